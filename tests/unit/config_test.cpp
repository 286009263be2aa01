#include <gtest/gtest.h>

#include "config/configuration.h"
#include "config/navigation_source.h"

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

TEST(ParseNavSource, KnownWordsAndOthers) {
    struct Case {
        const char* name;
        const char* word;
        NavSource source;
    };
    const Case cases[] = {
        {"network", "NETWORK", NavSource::Network},
        {"knorr", "KNORR", NavSource::Knorr},
        {"scs", "SCS", NavSource::Scs},
        {"jordan is read as scs", "JORDAN", NavSource::Scs},
        {"met", "MET", NavSource::Met},
        {"gps in small letters with blanks", " gps ", NavSource::Gps},
        {"udp in mixed case", "Udp", NavSource::Udp},
        {"jd is known and selects no source", "JD", NavSource::None},
        {"an empty line", "", NavSource::Unknown},
        {"a word of its own", "LORAN", NavSource::Unknown},
        {"a known word with more after it", "GPS2", NavSource::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseNavSource(c.word), c.source) << c.name;
}
