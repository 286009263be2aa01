// The codec of a logged event, pinned from both sides: lines read into typed values,
// typed values written as the exact bytes of every form, every column reaching every
// form, and the logs a simulated station writes given back byte for byte.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "platform/files.h"
#include "platform/strings.h"
#include "record/journal_entry.h"
#include "record/log_line.h"

namespace varnel {
namespace {

const std::string kHead = "0701JD,12,93.3,26.7,93.2,26.9,05-Jul-2026,07:05:09,";
const std::string kMid = ",CTD,CTD DEPLOYED,JD,05-Jul-2026,14:05:09,";
const std::string kNoMet(111, ',');  // a station without MET data

TEST(LogLine, ReadsEachKindOfLineIntoTypedValues) {
    std::string met;
    for (int i = 1; i <= 113; ++i) met += "," + std::to_string(i) + ".5";  // two items past 111
    struct Case {
        const char* name;
        std::string line;
        std::optional<long long> number;
        std::optional<double> lat, lon;
        const char* comments;
        const char* ordOcc;
        size_t navigation;
        bool erases;
    } cases[] = {
        {"a plain event", kHead + "32.90000,-117.30000" + kMid + "calm,3" + kNoMet, 12, 32.9, -117.3, "calm", "3", 111,
         false},
        {"a comment with commas", kHead + "32.90000,-117.30000" + kMid + "wire 50, depth 100, calm,3" + kNoMet, 12,
         32.9, -117.3, "wire 50, depth 100, calm", "3", 111, false},
        {"a comment with commas and a number", kHead + "32.90000,-117.30000" + kMid + "bottle,7,3" + kNoMet, 12, 32.9,
         -117.3, "bottle,7", "3", 111, false},
        {"the navigation suffix of a MET station", kHead + "32.90000,-117.30000" + kMid + "a, b,4" + met, 12, 32.9,
         -117.3, "a, b", "4", 113, false},
        {"empty positions", kHead + "," + kMid + ",5" + kNoMet, 12, std::nullopt, std::nullopt, "", "5", 111, false},
        {"-99 positions", kHead + "-99.00000,-99.00000" + kMid + ",-99" + kNoMet, 12, -99, -99, "", "-99", 111, false},
        {"a Clear Last note", kHead + "32.90000,-117.30000" + kMid + "erase previous event ;,3" + kNoMet, 12, 32.9,
         -117.3, "erase previous event ;", "3", 111, true},
        {"an edited event in a role log", kHead + "32.90000,-117.30000" + kMid + "corrected, wire 40,3", 12, 32.9,
         -117.3, "corrected, wire 40", "3", 0, false},
        {"a number that is no number", "0701JD,4a,93.3,26.7,,,d,t,1,2" + kMid + "x,1", std::nullopt, 1, 2, "x", "1", 0,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoggedEvent e = ParseLogLine(c.line);
        EXPECT_TRUE(HoldsEvent(e));
        EXPECT_EQ(e.cruise, "0701JD");
        EXPECT_EQ(e.Number(), c.number);
        EXPECT_EQ(e.Latitude(), c.lat);
        EXPECT_EQ(e.Longitude(), c.lon);
        EXPECT_EQ(e.activity, "CTD");
        EXPECT_EQ(e.event, "CTD DEPLOYED");
        EXPECT_EQ(e.operatorInitials, "JD");
        EXPECT_EQ(e.UtcSeconds(), 1783260309);
        EXPECT_EQ(e.comments, c.comments);
        EXPECT_EQ(e.ordOcc, c.ordOcc);
        EXPECT_EQ(e.navigation.size(), c.navigation);
        EXPECT_EQ(e.ErasesPrevious(), c.erases);
    }
    EXPECT_FALSE(HoldsEvent(ParseLogLine(LocalHeader())));
    EXPECT_FALSE(HoldsEvent(ParseLogLine("0701JD,12,93.3,26.7,93.2,26.9,d,t,1,2,CTD,E,JD,d")));
}

LoggedEvent Sample() {
    std::array<std::string, 201> met{};
    met[1] = "1013.2";
    met[150] = "7";
    met[151] = " ";  // blank items past 111 are not logged
    return {"0701JD",      "12",
            "93.3",        "26.7",
            "93.2",        "26.9",
            "05-Jul-2026", "07:05:09",
            "32.90000",    "-117.30000",
            "32.900000",   "-117.300000",
            "CTD",         "CTD DEPLOYED",
            "JD",          "05-Jul-2026",
            "14:05:09",    "wire 50, calm",
            "3",           NavigationColumns(met)};
}

TEST(LogLine, WritesTheExactBytesOfEveryForm) {
    const LoggedEvent e = Sample();
    const std::string record =
        "0701JD,12,93.3,26.7,93.2,26.9,05-Jul-2026,07:05:09,32.90000,-117.30000,CTD,CTD DEPLOYED,JD,05-Jul-2026,"
        "14:05:09,wire 50, calm,3";
    const std::string suffix = ",1013.2" + std::string(110, ',') + ",7";
    EXPECT_EQ(RoleLogLine(e), record);
    EXPECT_EQ(SharedCruiseLogLine(e), record + suffix);
    EXPECT_EQ(LocalCruiseLogLine(e), ReplaceAll(record, "32.90000,-117.30000", "32.900000,-117.300000") + suffix);
    EXPECT_EQ(HtmlTableRow(e),
              "<TR ALIGN=RIGHT><TD>0701JD</TD><TD>12</TD><TD>93.3</TD><TD>26.7</TD><TD>05-Jul-2026</TD><TD>14:05:09</"
              "TD><TD>32.900000</TD><TD>-117.300000</TD><TD>CTD</TD><TD>CTD DEPLOYED</TD><TD>JD</TD><TD>05-Jul-2026</"
              "TD><TD>07:05:09</TD><TD>wire 50, calm</TD><TD>3</TD></TR>");
    EXPECT_EQ(LocalHeader(),
              "Cruise,Event#,StndLine,StndSta,CalcLine,CalcSta,DateLoc,TimeLoc,DecLat,DecLon,Activity,Event,Operator,"
              "DateUTC,TimeUTC,Comments,Ord_Occ");
    EXPECT_EQ(RoleHeader(), ReplaceAll(ReplaceAll(LocalHeader(), "DateLoc", "DatePST"), "TimeLoc", "TimePST"));
    PendingEvent p{true, e.number, "C:\\L.csv", "a\tb\\c", "Q:\\S.csv", "line\r\nbreak", "Q:\\R.csv", "r",
                   "",   "",       "",          "",        Lacks::Both, "C:\\R.csv",     ""};
    const std::string old = "local\t12\tC:\\\\L.csv\ta\\tb\\\\c\tQ:\\\\S.csv\tline\\r\\nbreak\tQ:\\\\R.csv\tr\t\t\t\t";
    EXPECT_EQ(JournalEntryLine(p), old + "\tboth\tC:\\\\R.csv\t");
    auto back = ParseJournalEntry(JournalEntryLine(p));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->sharedLine, "line\r\nbreak");
    EXPECT_EQ(back->localLine, "a\tb\\c");
    EXPECT_EQ(back->lacks, Lacks::Both);
    EXPECT_EQ(ParseJournalEntry(old)->lacks, Lacks::Shared);    // an entry of an earlier version
    EXPECT_FALSE(ParseJournalEntry("network\t12\tC:\\L.csv"));  // cut short by a crash
    EXPECT_FALSE(ParseJournalEntry(old + "\tbo"));
}

// Any byte of any field comes back from the journal file; a Tab or a line break (CR LF
// one) is one blank in every form, so a log line is never split.
TEST(LogLine, TheJournalKeepsEveryByteAndTheLogsOneLine) {
    LoggedEvent e = Sample();
    for (int b = 0; b < 256; ++b) e.comments += static_cast<char>(b);
    e.comments += "\r\n.";
    const std::string logged = LoggedText(e.comments);
    EXPECT_EQ(logged.size(), e.comments.size() - 1);
    EXPECT_EQ(logged.find_first_of("\t\r\n"), std::string::npos);
    for (auto form : {RoleLogLine, SharedCruiseLogLine, LocalCruiseLogLine, HtmlTableRow})
        EXPECT_NE(form(e).find(logged), std::string::npos);
    const PendingEvent p{true,        e.number,   "C:\\L.csv", LocalCruiseLogLine(e), "Q:\\S.csv", e.comments,
                         "Q:\\R.csv", "r",        "Q:\\E.htm", HtmlTableRow(e),       e.comments,  "0701JD",
                         Lacks::Both, e.comments, "C:\\E.htm"};
    const std::string journal = testing::TempDir() + "journal-" + std::to_string(::getpid()) + ".txt";
    FileSystem fs;
    fs.AppendLines(journal, {JournalEntryLine(p)}, true);
    const auto lines = fs.ReadLines(journal);
    ASSERT_EQ(lines.size(), 1u);
    const auto back = ParseJournalEntry(lines[0]);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->sharedLine, e.comments);
    EXPECT_EQ(back->project, e.comments);
    EXPECT_EQ(JournalEntryLine(*back), lines[0]);
    fs.Remove(journal);
}

// A column added to the table reaches every form at its place, and is read back.
TEST(LogLine, EveryColumnReachesEveryForm) {
    const auto& columns = LogColumns();
    LoggedEvent e;
    for (size_t i = 0; i < columns.size(); ++i) {
        e.*columns[i].text = "v" + std::to_string(i);
        if (columns[i].precise) e.*columns[i].precise = "p" + std::to_string(i);
    }
    e.navigation = NavigationColumns({});
    const auto role = SplitAtCommas(RoleLogLine(e)), shared = SplitAtCommas(SharedCruiseLogLine(e)),
               local = SplitAtCommas(LocalCruiseLogLine(e)), header = SplitAtCommas(LocalHeader());
    const std::string html = HtmlTableRow(e);
    ASSERT_EQ(role.size(), columns.size());
    ASSERT_EQ(shared.size(), columns.size() + kNavigationColumns);
    for (size_t i = 0; i < columns.size(); ++i) {
        const auto& c = columns[i];
        SCOPED_TRACE(c.header);
        const std::string text = e.*c.text, precise = c.precise ? e.*c.precise : text;
        EXPECT_EQ(role[i], text);
        EXPECT_EQ(shared[i], text);
        EXPECT_EQ(local[i], precise);
        EXPECT_EQ(header[i], c.header);
        EXPECT_EQ(ParseLogLine(SharedCruiseLogLine(e)).*c.text, text);
        if (c.htmlPlace >= 0) {
            size_t at = 0;
            for (int k = 0; k <= c.htmlPlace; ++k) at = html.find("<TD>", at) + 4;
            EXPECT_EQ(html.substr(at, precise.size() + 5), precise + "</TD>");
        }
    }
}

// Every line of every file a simulated station writes comes back byte for byte through
// the parser and the formatter of its form.
TEST(LogLine, TheLogsOfASimulatedStationRoundTrip) {
    const auto root = std::filesystem::temp_directory_path() / ("varnel-codec-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root);
    std::ofstream(root / "run.sh") << "root='" << root.string() << "'\nsource '" VARNEL_STATIONS "/station_files.sh'\n"
                                   << "station_files A\n"
                                   << "printf 'CTD DEPLOYED\\r\\nCTD AT DEPTH\\r\\nBONGO, net 2\\r\\n' > "
                                      "\"$root/A/C/VarnelGPS/AEvents.txt\"\n"
                                   << "'" VARNEL_STATION_EXE
                                      "' --drives \"$root\" --name A --events 6 --interval-ms 1 "
                                      "--comments 'wire 50, depth 100' > /dev/null\n";
    ASSERT_EQ(std::system(("bash '" + (root / "run.sh").string() + "'").c_str()), 0);
    FileSystem fs;
    using Form = std::string (*)(const LoggedEvent&);
    const std::tuple<const char*, Form, size_t> files[] = {
        {"A/C/VarnelGPS/0701JDEvents.csv", LocalCruiseLogLine, 7}, {"A/C/VarnelGPS/0701JDA.csv", RoleLogLine, 7},
        {"Q/CRUISE/0701JDEvents.csv", SharedCruiseLogLine, 6},     {"Q/CRUISE/0701JDA.csv", RoleLogLine, 7},
        {"Q/CRUISE/0701JDLastEvent.csv", SharedCruiseLogLine, 1},  {"Q/CRUISE/0701CTDATDEPTH.csv", RoleLogLine, 1}};
    for (const auto& [file, form, count] : files) {
        SCOPED_TRACE(file);
        const auto lines = fs.ReadLines((root / file).string());
        EXPECT_EQ(lines.size(), count);
        for (const auto& line : lines) EXPECT_EQ(form(ParseLogLine(line)), line);
    }
    const auto shared = fs.ReadLines((root / std::get<0>(files[2])).string());
    EXPECT_EQ(ParseLogLine(shared[4]).comments, "wire 50, depth 100");
    EXPECT_EQ(ParseLogLine(shared[5]).event, "BONGO");  // a comma in an event name moves the columns too
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace varnel
