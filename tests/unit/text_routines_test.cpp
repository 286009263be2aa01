#include <gtest/gtest.h>

#include "platform/datetime.h"
#include "platform/headless/headless_host.h"
#include "platform/strings.h"
#include "text/julian.h"
#include "text/nav_date.h"
#include "text/pad_text.h"
#include "text/split_fields.h"

using namespace varnel;

TEST(SplitFields, StoresOnlyCommaTerminatedFieldsWithinCount) {
    struct Row {
        const char* text;
        int count;
        std::vector<std::string> expect;
    } rows[] = {{"", 0, {"x", "x", "x", "x"}},
                {",,", 0, {"", "", "x", "x"}},
                {"a,b,c", 0, {"a", "b", "x", "x"}},
                {"a,b,c,d,", 2, {"a", "b", "x", "x"}},
                {"\"a,b\",c,", 0, {"\"a", "b\"", "c", "x"}}};
    for (const auto& r : rows) {
        std::vector<std::string> list(4, "x");
        SplitFields(r.text, list, r.count);
        EXPECT_EQ(list, r.expect) << r.text;
    }
}

TEST(PadText, PadsOnlyWithKnownSideAndFill) {
    struct Row {
        const char* text;
        int width;
        const char* side;
        const char* fill;
        const char* expect;
    } rows[] = {{"7", 3, "L", "0", "007"}, {"AB", 5, "R", "S", "AB   "}, {"1234", 3, "L", "0", "1234"},
                {"5", 3, "", "0", "005"},  {"5", 3, "l", "s", "  5"},    {"5", 3, "R", "", "5  "},
                {"5", 3, "X", "0", "5"},   {"5", 3, "L", "Z", "5"},      {"5", 3, "R", " ", "5  "}};
    for (const auto& r : rows) {
        std::string t = r.text;
        PadText(t, r.width, r.side, r.fill);
        EXPECT_EQ(t, r.expect) << r.text << " " << r.side << " " << r.fill;
    }
}

TEST(Mid, CountsFromOneUpToTheLastCharacter) {
    EXPECT_EQ(Mid("abc", 3, 2), "c");
    EXPECT_EQ(Mid("abc", 4, 1), "");
    EXPECT_EQ(Mid("abc", 0, 1), "");
}

TEST(ConvertNavDate, SixAndEightDigitDates) {
    struct Row {
        const char* in;
        const char* out;
    } rows[] = {{"041206", "04-Dec-2006"}, {"04122006", "04-Dec-2006"}, {"041306", "04--2006"},
                {"311299", "31-Dec-2099"}, {"010100", "01-Jan-2000"},   {"", "--20"},
                {"0412206", "04-Dec-2206"}};
    for (const auto& r : rows) EXPECT_EQ(ConvertNavDate(r.in), r.out) << r.in;
}

// The pauses of the program move the clock by milliseconds: what is left over a whole
// second is carried to the next pause, across midnight and the year's end.
TEST(AddMilliseconds, CarriesTheRestOfASecond) {
    long long carry = 0;
    DateTime t = AddMilliseconds({2026, 12, 31, 23, 59, 59}, 600, &carry);
    EXPECT_EQ(t.second, 59);
    EXPECT_EQ(carry, 600);
    t = AddMilliseconds(t, 1500, &carry);
    EXPECT_EQ(t.year * 10000 + t.month * 100 + t.day, 20270101);
    EXPECT_EQ(t.hour * 3600 + t.minute * 60 + t.second, 1);
    EXPECT_EQ(carry, 100);
}
