#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/files.h"

using namespace varnel;
namespace fs = std::filesystem;

// A reader polling a one-line file while a writer replaces it 10,000 times never
// sees a partial line: it sees the old line or the new one, whole.
TEST(ReplaceLines, AReaderNeverSeesAHalfWrittenFile) {
    fs::path root = fs::temp_directory_path() / ("varnel-atomic-" + std::to_string(::getpid()));
    fs::create_directories(root / "Q");
    FileSystem files(DriveMap{root.string(), {}});
    const std::string path = "Q:\\LastEvent.csv";
    const std::string a = "0701JD,41," + std::string(400, 'a') + ",";
    const std::string b = "0701JD,42," + std::string(700, 'b') + ",";
    files.ReplaceLines(path, {a});
    std::atomic<bool> done{false};
    long reads = 0, torn = 0;
    std::thread reader([&] {
        const std::string native = files.Native(path);
        while (!done) {
            std::ifstream in(native, std::ios::binary);
            std::stringstream ss;
            ss << in.rdbuf();
            std::string s = ss.str();
            ++reads;
            if (s != a + "\r\n" && s != b + "\r\n") ++torn;
        }
    });
    for (int i = 0; i < 10000; ++i) files.ReplaceLines(path, {i % 2 ? a : b});
    done = true;
    reader.join();
    fs::remove_all(root);
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_GT(reads, 0);
}

#include "events/event_files.h"

// A table past 3000 lines keeps its first 8 lines and its newest rows, whether it ends
// as the program writes it or only with "</TABLE>".
TEST(SplitLines, EveryLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(AppendHtmlRow, ATablePast3000LinesKeepsItsHeadAndNewestRows) {
    fs::path root = fs::temp_directory_path() / ("varnel-html-" + std::to_string(::getpid()));
    fs::create_directories(root / "Q");
    FileSystem files(DriveMap{root.string(), {}});
    for (bool whole : {false, true}) {
        std::vector<std::string> lines;
        for (int i = 1; i <= 8; ++i) lines.push_back("head " + std::to_string(i));
        for (int i = 1; i <= 3005; ++i) lines.push_back("row " + std::to_string(i));
        lines.push_back("</TABLE>");
        if (whole) lines.insert(lines.end(), {"</BODY>", "</HTML>"});
        files.WriteLines("Q:\\T.htm", lines);
        AppendHtmlRow(files, "Q:\\T.htm", "new row", "P", "C");
        auto got = files.ReadLines("Q:\\T.htm");
        ASSERT_EQ(got.size(), 3003u);
        EXPECT_EQ(got[7], "head 8");
        EXPECT_EQ(got[8], "row 15");
        EXPECT_EQ(got[2998], "row 3005");
        EXPECT_EQ(got[2999], "new row");
        EXPECT_EQ(got[3002], "</HTML>");
    }
    fs::remove_all(root);
}

// The row lands before the closing lines whatever shape the table is in: only a table
// as the program writes it may be worked on as bytes, any other is rebuilt line by line.
TEST(AppendHtmlRow, TablesOfEveryShapeGetTheRowBeforeTheirEnd) {
    fs::path root = fs::temp_directory_path() / ("varnel-shapes-" + std::to_string(::getpid()));
    fs::create_directories(root / "Q");
    FileSystem files(DriveMap{root.string(), {}});
    const std::string end = "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
    struct {
        const char* name;
        std::string before, after;
    } rows[] = {{"as written", "h\r\nr1\r\n" + end, "h\r\nr1\r\nNEW\r\n" + end},
                {"a blank line", "h\r\n  \r\nr1\r\n" + end, "h\r\nr1\r\nNEW\r\n" + end},
                {"LF line ends", "h\nr1\n</TABLE>\n</BODY>\n</HTML>\n", "h\r\nr1\r\nNEW\r\n" + end},
                {"an early </table>", "h\r\nr1</table>\r\nr2\r\n" + end, "h\r\nNEW\r\n" + end},
                {"text after the end", "h\r\n" + end + "x\r\n", "h\r\nNEW\r\n" + end},
                {"no end at all", "h\r\n\r\nr1\r\n  \r\n", "h\r\nr1\r\nNEW\r\n" + end}};
    for (const auto& r : rows) {
        files.WriteLines("Q:\\T.htm", {});
        std::ofstream(root / "Q" / "T.htm", std::ios::binary) << r.before;
        AppendHtmlRow(files, "Q:\\T.htm", "NEW", "P", "C");
        EXPECT_EQ(files.ReadAll("Q:\\T.htm"), r.after) << r.name;
    }
    fs::remove_all(root);
}
