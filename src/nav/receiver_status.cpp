#include "nav/receiver_status.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "nav/gps_file.h"
#include "nav/nmea_sentence.h"

namespace varnel {

namespace {

const long long kRateWindowMs = 10000;

std::string FixName(const std::string& q) {
    static const char* names[] = {"no fix",    "GPS",       "DGPS",   "PPS",      "RTK",
                                  "float RTK", "estimated", "manual", "simulated"};
    if (q.size() == 1 && q[0] >= '0' && q[0] <= '8') return q + " (" + names[q[0] - '0'] + ")";
    return q.empty() ? "unknown" : q;
}

}  // namespace

void NoteSentence(CommCheckForm& c, const std::string& sentence, long long nowMs, long long utcSeconds) {
    auto start = sentence.find('$');
    if (start == std::string::npos) return;
    if (BadChecksum(sentence)) {
        ++c.skippedSentences;
        return;
    }
    c.lastSentenceMs = nowMs;
    c.sentenceTimes.push_back(nowMs);
    while (!c.sentenceTimes.empty() && c.sentenceTimes.front() < nowMs - kRateWindowMs) c.sentenceTimes.pop_front();
    std::string talker = Talker(sentence);
    if (talker.size() == 2 && talker[0] != 'P') c.talkers.insert(talker);  // $P...: proprietary
    std::vector<std::string> f(16);
    SplitSentence(sentence.substr(start) + ",", f);
    const std::string& t = f[1];  // hhmmss of GGA, RMC and ZDA
    if (FindSentence(sentence, "$GPGGA") == start || FindSentence(sentence, "$GPRMC") == start ||
        FindSentence(sentence, "$GPZDA") == start) {
        if (t.size() >= 6 && std::isdigit(static_cast<unsigned char>(t[0]))) {
            long long off = utcSeconds - (std::atoi(t.substr(0, 2).c_str()) * 3600LL +
                                          std::atoi(t.substr(2, 2).c_str()) * 60LL + std::atoi(t.substr(4, 2).c_str()));
            if (off < -43200) off += 86400;
            if (off >= 43200) off -= 86400;
            c.clockOffsetS = off;
            c.haveClockOffset = true;
        }
    }
    if (FindSentence(sentence, "$GPGGA") == start) {
        c.fixQuality = f.size() > 6 ? f[6] : "";
        c.satellites = f.size() > 7 ? f[7] : "";
        c.hdop = f.size() > 8 ? f[8] : "";
    }
}

long long UtcSecondOfDay(StationServices& host) {
    DateTime u = host.UtcNow();
    return u.hour * 3600LL + u.minute * 60LL + u.second;
}

std::string ReceiverSummary(const CommCheckForm& c, long long nowMs) {
    if (c.lastSentenceMs < 0 && c.skippedSentences == 0) return "No sentence received yet.";
    std::string talkers;
    for (auto& t : c.talkers) talkers += (talkers.empty() ? "" : " ") + t;
    long recent = 0;
    for (long long t : c.sentenceTimes) recent += t >= nowMs - kRateWindowMs;
    char rate[32], ago[32];
    std::snprintf(rate, sizeof rate, "%.1f", recent * 1000.0 / kRateWindowMs);
    std::snprintf(ago, sizeof ago, "%.1f", c.lastSentenceMs < 0 ? 0.0 : (nowMs - c.lastSentenceMs) / 1000.0);
    return "Talkers: " + (talkers.empty() ? std::string("none") : talkers) + "   Fix: " + FixName(c.fixQuality) +
           "   Satellites: " + (c.satellites.empty() ? "?" : c.satellites) +
           "   HDOP: " + (c.hdop.empty() ? "?" : c.hdop) + "   " + rate + " sentences/s   " +
           std::to_string(c.skippedSentences) + " skipped (wrong checksum)   last sentence " +
           (c.lastSentenceMs < 0 ? std::string("never") : std::string(ago) + " s ago");
}

}  // namespace varnel
