// The cruise report of a small log holding one of each fault a real record shows: a
// number drawn twice, a gap, a time going backwards, a position of 0, a line cut short,
// a torn line with the next glued to it, an unreadable line, an event number that is no
// number, a comma and an 8-bit character in the comments, an event erased with Clear
// Last, and a role log with an event the cruise log lacks. Compared byte for byte with
// the reviewed report, drawn over one grid line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "record/folder_store.h"
#include "report/report_html.h"

namespace varnel {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(CruiseReport, MatchesTheReviewedReport) {
    const std::string dir = VARNEL_TEST_DATA "/report/";
    FileSystem fs;
    FolderReader cruise(fs, {"", "", dir + "0701JDEvents.csv", "", ""}),
        lab(fs, {"", "", dir + "0701JDLab.csv", "", ""});
    auto record = Analyse(ReadLog(cruise, "0701JDEvents.csv"), {ReadLog(lab, "0701JDLab.csv")});
    std::string html = ReportHtml(record, {{"93.3", {"26.7", "28.0", "30.0"}}});
    if (std::getenv("VARNEL_UPDATE_GOLDEN")) std::ofstream(dir + "report.html", std::ios::binary) << html;
    EXPECT_EQ(html, Slurp(dir + "report.html"));
}

// A station's own grid replaces the starter grid under the events; a line without a
// station list is named, not drawn.
TEST(CruiseReport, DrawsAStationsOwnGrid) {
    const auto dir = std::filesystem::temp_directory_path() / ("varnel-report-grid-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Lines.txt") << "90.0\r\n12.5\r\n";
    std::ofstream(dir / "Line90.txt") << "30.0\r\n 35.0\r\n\r\n";
    FileSystem fs;
    std::vector<std::string> unread;
    auto grid = ReadStationGrid(fs, dir.string(), unread);
    std::filesystem::remove_all(dir);
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0].stations, (std::vector<std::string>{"30.0", "35.0"}));
    EXPECT_EQ(unread, std::vector<std::string>{"line 12.5: no station list file"});
    std::string svg = MapSvg(Analyse(ReadLog(std::vector<std::string>{}, "empty.csv"), {}), grid);
    EXPECT_NE(svg.find("<title>90.0 35.0</title>"), std::string::npos);
    EXPECT_EQ(svg.find(">93.3<"), std::string::npos);
}

}  // namespace
}  // namespace varnel
