// The cruise report of a small log holding one of each fault a real record shows: a
// number drawn twice, a gap, a time going backwards, a position of 0, a line cut short,
// an unreadable line, a comma and an 8-bit character in the comments, and a role log
// with an event the cruise log lacks. Compared byte for byte with the reviewed report.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

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
    auto record = Analyse(ReadLog(Slurp(dir + "0701JDEvents.csv"), "0701JDEvents.csv"),
                          {ReadLog(Slurp(dir + "0701JDLab.csv"), "0701JDLab.csv")});
    std::string html = ReportHtml(record);
    if (std::getenv("VARNEL_UPDATE_GOLDEN")) std::ofstream(dir + "report.html", std::ios::binary) << html;
    EXPECT_EQ(html, Slurp(dir + "report.html"));
}

}  // namespace
}  // namespace varnel
