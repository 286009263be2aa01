#include <gtest/gtest.h>

#include "platform/numbers.h"

using namespace varnel;

TEST(Val, LeadingNumberRule) {
    struct Row {
        const char* text;
        double v;
    } rows[] = {{" 2000 ", 2000}, {"41abc", 41}, {"abc", 0}, {"", 0},    {"-5x", -5},
                {"32.5.1", 32.5}, {".5", 0.5},   {"  -", 0}, {"1e5", 1}, {"0701JD", 701}};
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(Val(r.text), r.v) << r.text;
}

TEST(ToInt16, RoundsHalfToEvenAndChecksRange) {
    EXPECT_EQ(ToInt16(26.5), 26);
    EXPECT_EQ(ToInt16(27.5), 28);
    EXPECT_EQ(ToInt16(-2.5), -2);
    EXPECT_EQ(ToInt16(32767), 32767);
    EXPECT_EQ(ToInt16(-32768), -32768);
    EXPECT_THROW(ToInt16(32768), OverflowError);
    EXPECT_THROW(ToInt16(-32769), OverflowError);
}

TEST(FormatNumber, PatternsOfTheEventFiles) {
    struct Row {
        double v;
        const char* pattern;
        const char* out;
    } rows[] = {{32.9, "00.000000", "32.900000"},
                {-117.3, "00.000000", "-117.300000"},
                {-99, "00.00000", "-99.00000"},
                {5.5, "00.00000", "05.50000"},
                {-117.5, "#000.00000", "-117.50000"},
                {-5.25, "#000.00000", "-005.25000"},
                {121.123456, "000.00000", "121.12346"},
                {93.25, "##0.0", "93.3"},
                {-0.04, "##0.0", "0.0"},
                {0.0, "00.000000", "00.000000"},
                {0.125, "##0.0", "0.1"},
                {9.96, "##0.0", "10.0"}};
    for (const auto& r : rows) EXPECT_EQ(FormatNumber(r.v, r.pattern), r.out) << r.v << " " << r.pattern;
}

TEST(FormatSingle, UsesTheShortestSevenDigitForm) {
    EXPECT_EQ(FormatSingle(32.0f + 54.0f / 60.0f, "00.000000"), "32.900000");
    EXPECT_EQ(FormatSingle(-(117.0f + 18.0f / 60.0f), "00.000000"), "-117.300000");
    EXPECT_EQ(FormatSingle(0.0f, "00.000000"), "00.000000");
}
