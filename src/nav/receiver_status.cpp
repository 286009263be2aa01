#include "nav/receiver_status.h"

#include <cctype>
#include <cstdio>
#include <string_view>

#include "nav/nmea_fix.h"

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
    const std::string_view s = std::string_view(sentence).substr(start);
    const Fix fix = ParseFix(s, KindAt(s), LastField::Kept);
    if (fix.checksumWrong) {
        ++c.skippedSentences;
        return;
    }
    c.lastSentenceMs = nowMs;
    c.sentenceTimes.push_back(nowMs);
    while (!c.sentenceTimes.empty() && c.sentenceTimes.front() < nowMs - kRateWindowMs) c.sentenceTimes.pop_front();
    const std::string& talker = fix.talker;
    if (talker.size() == 2 && talker[0] != 'P') c.talkers.insert(talker);  // $P...: proprietary
    if (fix.utcSecond && std::isdigit(static_cast<unsigned char>(fix.time[0]))) {
        long long off = utcSeconds - *fix.utcSecond;
        if (off < -43200) off += 86400;
        if (off >= 43200) off -= 86400;
        c.clockOffsetS = off;
        c.haveClockOffset = true;
    }
    if (fix.kind == SentenceKind::Gga) {
        c.fixQuality = fix.quality;
        c.satellites = fix.satellites;
        c.hdop = fix.hdop;
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
