#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/configuration.h"
#include "nav/comm_check.h"
#include "nav/gps_file.h"
#include "nav/met_file.h"
#include "nav/nav_source.h"
#include "nav/nmea_fix.h"
#include "nav/nmea_sentence.h"
#include "nav/receiver_status.h"
#include "platform/files.h"
#include "platform/headless/headless_host.h"
#include "platform/numbers.h"
#include "platform/strings.h"

using namespace varnel;
namespace fs = std::filesystem;

namespace {
Fix Parse(std::vector<std::string> lines, const std::string& primary = "$GPGGA", const std::string& second = "$GPRMC",
          std::string* status = nullptr) {
    std::string st;
    Fix g = ParseGpsLines(lines, primary, second, st);
    if (status) *status = st;
    return g;
}
const char* kGga = "$GPGGA,140509.00,3254.000,N,11718.000,W,1,08,0.9,10.0,M,,,,*1A";
const char* kRmc = "$GPRMC,140510.00,A,3255.000,N,11719.000,W,0.0,0.0,050726,,,*04";
const char* kZda = "$GPZDA,140511.00,06,07,2026,00,00*61";
}  // namespace

TEST(ReadGpsLines, PrimaryAndSecondSentences) {
    const std::string gn = "$GN" + std::string(kGga + 3), gnZda = "$GN" + std::string(kZda + 3);
    const char *good = "GPS Status: Good", *bad = "GPS Status: BAD!";
    struct Row {
        std::vector<std::string> lines;
        const char *primary, *second;
        const char* expect;  // latDeg|latMin|lonDeg|lonMin|date|time|fix quality
        const char* status;
    } rows[] = {
        {{kGga, kZda}, "$GPGGA", "$GPZDA", "32|54.000|117|18.000|06-Jul-2026|14:05:09|1", good},
        {{kGga, kRmc}, "$GPGGA", "$GPRMC", "32|54.000|117|18.000|05-Jul-2026|14:05:09|1", good},
        // any talker of the configured sentence type, and the GN form configured
        {{gn, gnZda}, "$GPGGA", "$GPZDA", "32|54.000|117|18.000|06-Jul-2026|14:05:09|1", good},
        {{kGga, gnZda}, "$GNGGA", "$GNZDA", "32|54.000|117|18.000|06-Jul-2026|14:05:09|1", good},
        {{"$BDGGA" + std::string(kGga + 6)}, "$GPGGA", "", "32|54.000|117|18.000||14:05:09|1", good},
        {{"$XXGGA" + std::string(kGga + 6)}, "$GPGGA", "", "||||||", bad},  // no satellite talker
        {{"$GNgga" + std::string(kGga + 6)}, "$GPgga", "", "||||||", bad},  // no sentence type: plain text
        {{kZda, kGga}, "$GPGGA", "$GPZDA", "32|54.000|117|18.000||14:05:09|1", good},
        {{kRmc}, "$GPRMC", "", "32|55.000|117|19.000|05-Jul-2026|14:05:10|1", good},
        {{kGga}, "GPGGA", "$GPRMC", "||||||", good},  // parsed by the configured identifier: no fields
        {{kZda}, "$GNZDA", "", "||||||", good},       // a ZDA primary gives no fields either
        {{kGga, "$GPGGA,150000,1000.0,N,01000.0,W,1"}, "$GPGGA", "", "32|54.000|117|18.000||14:05:09|1", good},
        // a later, shorter 2nd sentence replaces only the fields it has
        {{kGga, kZda, "$GPZDA,140512.00,07,"}, "$GPGGA", "$GPZDA", "32|54.000|117|18.000|07-Jul-2026|14:05:09|1", good},
        {{kRmc}, "$GPGGA", "$GPRMC", "||||||", bad},
        {{"$GNGGA,140509.00,3254.000,N,11718.000,W,1*79"}, "GGA", "", "||||||", good}};
    for (const auto& r : rows) {
        std::string status;
        Fix g = Parse(r.lines, r.primary, r.second, &status);
        SCOPED_TRACE(std::string(r.primary) + " " + r.lines.front());
        EXPECT_EQ(status, r.status);
        EXPECT_EQ(
            g.latDeg + "|" + g.latMin + "|" + g.lonDeg + "|" + g.lonMin + "|" + g.date + "|" + g.time + "|" + g.quality,
            r.expect);
    }
}

// One sentence into a fix, read as the kind given: the values the tick and the receiver
// summary take, beside the texts the navigation boxes show.
TEST(ParseFix, EveryKindIntoValuesAndShownTexts) {
    using K = SentenceKind;
    const auto kept = LastField::Kept, dropped = LastField::Dropped;
    struct {
        const char* name;
        std::string sentence;
        K kind;
        LastField last;
        const char* expect;  // talker [BAD] utcSecond time|date|latDeg|latMin|lonDeg|lonMin quality/sats/hdop lat lon
    } rows[] = {
        {"GGA as received", kGga, K::Gga, kept, "GP 50709 14:05:09||32|54.000|117|18.000 1/08/0.9 32.90000 -117.30000"},
        {"last field kept", "$GNGGA,140509.00,3254.000,N,11718.000,W,4", K::Gga, kept,
         "GN 50709 14:05:09||32|54.000|117|18.000 4// 32.90000 -117.30000"},
        {"last field dropped", "$GNGGA,140509.00,3254.000,N,11718.000,W,4", K::Gga, dropped,
         "GN 50709 14:05:09||32|54.000|117|18.000 // 32.90000 -117.30000"},
        {"south and east read as north and west", "$GLRMC,140510.00,A,3255.000,S,11719.000,E,0.0,0.0,050726,,,", K::Rmc,
         dropped, "GL 50710 14:05:10|05-Jul-2026|32|55.000|117|19.000 1// 32.91667 -117.31670"},
        {"RMC without a fix", "$GPRMC,140510.00,V,,,,,,,050726,,,*34", K::Rmc, dropped,
         "GP 50710 14:05:10|05-Jul-2026|||| 0// none none"},
        {"WPL gives a position only", "$GPWPL,3254.000,N,11718.000,W,HOME*58", K::Wpl, dropped,
         "GP - ||32|54.000|117|18.000 // 32.90000 -117.30000"},
        {"inertial talker read as GGA", "$INGGA,235959,3254.000,N,11718.000,W,6,,,", K::Gga, dropped,
         "IN 86399 23:59:59||32|54.000|117|18.000 6// 32.90000 -117.30000"},
        {"wrong checksum marked", std::string(kGga).replace(std::string(kGga).size() - 1, 1, "B"), K::Gga, dropped,
         "GP BAD 50709 14:05:09||32|54.000|117|18.000 1/08/0.9 32.90000 -117.30000"},
        {"empty fields", "$GPGGA,,,,,,,,,", K::Gga, dropped, "GP - ::||||| // none none"},
        {"time pairs read as far as they are numbers", "$GPGGA,1a05x9,3,N,-1718.000,W,", K::Gga, dropped,
         "GP 3900 1a:05:x9||3|3|-17|18.000 // 03.05000 none"},
        {"short time, unreadable latitude", "$GPGGA,14050,ab54.000,N,11718.000,W,", K::Gga, dropped,
         "GP - 14:05:0||ab|54.000|117|18.000 // none none"},
        {"kind not read here", "$GPGSV,3,1,12,01,40,083,46", K::Other, kept, "GP - ||||| // none none"}};
    auto deg = [](std::optional<float> v, const char* pattern) { return v ? FormatSingle(*v, pattern) : "none"; };
    for (const auto& r : rows) {
        Fix f = ParseFix(r.sentence, r.kind, r.last);
        EXPECT_EQ(f.kind, r.kind);
        EXPECT_EQ(f.talker + (f.checksumWrong ? " BAD " : " ") + (f.utcSecond ? IntText(*f.utcSecond) : "-") + " " +
                      f.time + "|" + f.date + "|" + f.latDeg + "|" + f.latMin + "|" + f.lonDeg + "|" + f.lonMin + " " +
                      f.quality + "/" + f.satellites + "/" + f.hdop + " " + deg(f.latitude, "00.00000") + " " +
                      deg(f.longitude, "#000.00000"),
                  r.expect)
            << r.name;
    }
}

// Which identifiers name a kind read here, and which received sentences are of one.
TEST(SentenceKinds, SatelliteTalkersOnly) {
    using K = SentenceKind;
    struct {
        const char* text;
        K named, sent;
    } rows[] = {{"$GPGGA", K::Gga, K::Gga},     {"$GNRMC", K::Rmc, K::Rmc},     {"$BDZDA", K::Zda, K::Zda},
                {"$GQWPL", K::Wpl, K::Wpl},     {"$GPGSV", K::Other, K::Other}, {"$INGGA", K::Other, K::Other},
                {"GPGGA", K::Other, K::Other},  {"$GPgga", K::Other, K::Other}, {"$GPGG", K::Other, K::Other},
                {"$GPGGA,1", K::Other, K::Gga}, {"x,$GLRMC", K::Other, K::Rmc}, {"$PGRMZ,$GPGGA", K::Other, K::Other}};
    for (const auto& r : rows) {
        EXPECT_EQ(KindOf(r.text), r.named) << r.text;
        EXPECT_EQ(KindAt(r.text), r.sent) << r.text;
    }
}

TEST(MetItems, QuotesLineBreaksAndTags) {
    std::array<std::string, 201> items{};
    int la = 0, lo = 0;
    ParseMetItems("\"NAV\",050726,140509\r\n32.9,LAT,-117.3,LON,\"a, b\"\r\n", items, la, lo);
    EXPECT_EQ(items[0], "NAV");
    EXPECT_EQ(items[2], "140509");
    EXPECT_EQ(items[3], "32.9");
    EXPECT_EQ(items[7], "a, b");
    EXPECT_EQ(la, 4);
    EXPECT_EQ(lo, 6);
    ParseMetItems("1,2,\r\n3\n", items, la, lo);
    EXPECT_EQ(la, 4);         // remembered between reads
    EXPECT_EQ(items[2], "");  // the comma before the line break ends an empty item
    EXPECT_EQ(items[3], "3");
}

// Real receiver captures through the reader: the $GP and $GN configurations give the same
// dates, times and positions as a $GP receiver would send them, and as many as listed.
TEST(ReceiverCaptures, AnyTalkerGivesThePositionsAsSent) {
    struct {
        const char* name;
        int positions;  // windows of 20 lines that give a position
    } captures[] = {
        {"hemi.log", 56}, {"skytraq-dgps.log", 1024}, {"bu353s4.log", 90}, {"ublox-8.log", 1007}, {"garmin48.log", 90}};
    for (const auto& c : captures) {
        std::ifstream in(std::string(VARNEL_SHARED_DATA) + "/nmea/" + c.name, std::ios::binary);
        if (!in) GTEST_SKIP() << "shared NMEA captures not found";
        std::stringstream ss;
        ss << in.rdbuf();
        std::vector<std::string> window, asGp;
        int positions = 0;
        auto text = [](const Fix& g) { return g.latDeg + g.latMin + g.lonDeg + g.lonMin + g.date + g.time; };
        for (auto& line : SplitLines(ss.str())) {
            if (!line.empty() && line[0] == '#') continue;
            window.push_back(line);
            asGp.push_back(ReplaceAll(line, "$GN", "$GP"));
            if (window.size() > 20) window.erase(window.begin()), asGp.erase(asGp.begin());
            Fix gp = Parse(window, "$GPGGA", "$GPZDA"), gn = Parse(window, "$GNGGA", "$GNZDA");
            ASSERT_EQ(text(gp), text(gn)) << c.name << ": " << line;
            ASSERT_EQ(text(gp), text(Parse(asGp, "$GPGGA", "$GPZDA"))) << c.name << ": " << line;
            if (Val(gp.latDeg) > 0) {
                ++positions;
                EXPECT_LE(Val(gp.latMin), 60.0) << c.name << ": " << line;
            }
        }
        EXPECT_EQ(positions, c.positions) << c.name;
    }
}

// The u-blox capture ($GN talkers) through the serial line and UDP: the current-position
// file gives the same position with the GP and the GN configuration, all along.
TEST(ReceiverCaptures, SerialAndUdpRoadsGiveThePositionWithEitherConfiguration) {
    std::ifstream in(std::string(VARNEL_SHARED_DATA) + "/nmea/ublox-8.log", std::ios::binary);
    if (!in) GTEST_SKIP() << "shared NMEA captures not found";
    std::stringstream ss;
    ss << in.rdbuf();
    std::vector<std::string> capture = SplitLines(ss.str());
    std::string seen[2][2];  // [road][configuration]: the file's position at each step
    const fs::path root = fs::temp_directory_path() / ("varnel-roads-" + std::to_string(::getpid()));
    for (int road = 0; road < 2; ++road)
        for (int gn = 0; gn < 2; ++gn) {
            HeadlessHost host(DriveMap{root.string(), {}});
            Workstation w(host);
            w.cfg[CfgLine::DataDirectory] = "Q:\\E\\";
            w.cfg[CfgLine::PositionFile] = "CurrPos.txt";
            w.cfg[CfgLine::PrimarySentence] = gn ? "$GNGGA" : "$GPGGA";
            w.cfg[CfgLine::SecondSentence] = gn ? "$GNZDA" : "$GPZDA";
            w.files().CreateFolder("Q:\\E\\");
            for (size_t i = 0; i < capture.size(); i += 40) {
                std::string chunk;
                for (size_t k = i; k < std::min(capture.size(), i + 40); ++k) chunk += capture[k] + "\r\n";
                if (road == 0) w.frmCommCheck.buffer += chunk, ParseInput(w);
                if (road == 1) host.udpPending.push_back(chunk), PollUdp(w);
                std::string status;
                Fix g = ParseGpsLines(w.files().ReadLines("Q:\\E\\CurrPos.txt"), "$GPGGA", "$GPZDA", status);
                seen[road][gn] += g.latDeg + g.latMin + g.lonDeg + g.lonMin + g.date + g.time + ";";
            }
        }
    EXPECT_EQ(seen[0][0], seen[0][1]);
    EXPECT_EQ(seen[1][0], seen[1][1]);
    fs::remove_all(root);
    EXPECT_NE(seen[0][0].find("44"
                              "04.13"),
              std::string::npos);  // the receiver's 44 04.13 N
}

// The receiver's clock against the workstation's: from GGA, RMC or ZDA of any talker,
// folded into half a day either side, so a fix just before midnight is seconds off.
TEST(ReceiverStatus, ClockOffsetFromEveryTimedSentenceAcrossMidnight) {
    struct {
        const char* sentence;
        long long utc, offset;
    } rows[] = {{"$GPGGA,235959.00,3254.000,N,11718.000,W,10,08,0.9", 1, 2},
                {"$GNRMC,000001.00,A,3254.000,N,11718.000,W", 86399, -2},
                {"$GPZDA,000000.00,06,07,2026", 43200, -43200},
                {"$GPZDA,120000.00,06,07,2026", 0, -43200}};
    for (const auto& r : rows) {
        CommCheckForm c;
        NoteSentence(c, r.sentence, 0, r.utc);
        EXPECT_TRUE(c.haveClockOffset) << r.sentence;
        EXPECT_EQ(c.clockOffsetS, r.offset) << r.sentence;
    }
    CommCheckForm c;
    NoteSentence(c, rows[0].sentence, 0, 0);
    EXPECT_NE(ReceiverSummary(c, 0).find("Fix: 10   "), std::string::npos) << ReceiverSummary(c, 0);
}
