#include <gtest/gtest.h>

#include "config/configuration.h"

using namespace varnel;

TEST(ReadConfiguration, SlotsAndTrimming) {
    CfgLines cfg;
    ReadConfigurationText("Ormanti\r\n\r\n   \r\n 2000 \r\nMULTI LONG\r\n", cfg);
    EXPECT_EQ(cfg[1], "Ormanti");
    EXPECT_EQ(cfg[2], "");  // empty line uses its slot
    EXPECT_EQ(cfg[3], "");  // blanks store an empty text
    EXPECT_EQ(cfg[4], "2000");
    EXPECT_EQ(cfg[5], "MULTI LONG");
}

TEST(ReadConfiguration, ATwelveLineFileReadTwiceKeepsTheRest) {
    CfgLines cfg;
    std::string full;
    for (int i = 1; i <= 20; ++i) full += "v" + std::to_string(i) + "\r\n";
    ReadConfigurationText(full, cfg);
    std::string twelve;
    for (int i = 1; i <= 12; ++i) twelve += (i == 6 ? std::string() : "n" + std::to_string(i)) + "\n";
    ReadConfigurationText(twelve, cfg);
    EXPECT_EQ(cfg[1], "n1");
    EXPECT_EQ(cfg[6], "v6");  // empty line keeps the previous value
    EXPECT_EQ(cfg[12], "n12");
    EXPECT_EQ(cfg[13], "v13");  // not reached: kept
    EXPECT_EQ(cfg[20], "v20");
}

TEST(ReadConfiguration, LinesBeyondTwentyAndOddLineEndsAreSafe) {
    CfgLines cfg;
    std::string s;
    for (int i = 1; i <= 25; ++i) s += "x" + std::to_string(i) + "\r";
    ReadConfigurationText(s, cfg);
    EXPECT_EQ(cfg[20], "x20");
}
