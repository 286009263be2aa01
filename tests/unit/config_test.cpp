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
