#include <gtest/gtest.h>

#include "grid/grid_conversion.h"
#include "grid/standard_stations.h"

using namespace varnel;

TEST(CalcLineSta, WorkedPositions) {
    struct Row {
        float lat, lon;
        const char *line, *sta;
    } rows[] = {{34.15f, -121.15f, "80.0", "60.0"},
                {33.0f, -121.15f, "85.0", "68.7"},
                {34.15f, -122.0f, "78.2", "69.2"},
                {32.9f, -117.3f, "93.6", "27.0"},
                {0.0f, -117.3f, "0.0", "0.0"}};
    for (const auto& r : rows) {
        auto ls = CalcLineSta(r.lat, r.lon);
        EXPECT_EQ(ls.line, r.line) << r.lat << "," << r.lon;
        EXPECT_EQ(ls.station, r.sta) << r.lat << "," << r.lon;
    }
}

TEST(CalcLineSta, InshoreStationsAreNegative) {
    auto ls = CalcLineSta(34.5f, -115.0f);
    EXPECT_EQ(ls.station.front(), '-');
}

TEST(FindStandardSta, EveryRowAndThreshold) {
    struct Row {
        const char *line, *sta, *stdLine, *stdSta;
    } rows[] = {
        {"93.1", "27.6", "93.3", "28.0"},   {"93.5", "26.0", "93.4", "26.4"},   {"93.5", "27.0", "93.3", "26.7"},
        {"93.4", "26.6", "93.3", "26.7"},   {"90.1", "27.6", "90.0", "27.7"},   {"90.0", "27.9", "90.0", "28.0"},
        {"91.6", "40.0", "91.7", "26.4"},   {"88.4", "28.0", "88.5", "30.1"},   {"86.9", "32.8", "86.7", "33.0"},
        {"86.6", "32.7", "86.8", "32.5"},   {"85.3", "50.0", "85.4", "35.8"},   {"83.1", "39.2", "83.3", "39.4"},
        {"80.1", "39.2", "80.0", "40.0"},   {"81.9", "44.5", "81.7", "43.5"},   {"81.9", "46.6", "81.8", "46.9"},
        {"81.9", "48.2", "81.8", "48.2"},   {"80.1", "50.4", "80.0", "50.5"},   {"76.8", "50.4", "76.7", "50.0"},
        {"73.4", "29.1", "73.3", "28.0"},   {"70.2", "30.6", "70.0", "30.0"},   {"67.0", "36.1", "66.7", "35.0"},
        {"63.4", "37.9", "63.3", "37.0"},   {"59.9", "41.2", "60.0", "40.6"},   {"95.0", "42.0", "95.0", "42.0"},
        {"95.0", "44.9", "95.0", "45.0"},   {"95.0", "26.5", "95.0", "26.5"},   {"95.0", "27.5", "95.0", "28.0"},
        {"95.0", "47.0", "95.0", "46.9"},   {"95.0", "49.4", "95.0", "49.0"},   {"95.0", "51.0", "95.0", "51.0"},
        {"95.0", "119.6", "95.0", "120.0"}, {"95.0", "109.8", "95.0", "110.0"}, {"95.0", "52.0", "95.0", "52.0"}};
    for (const auto& r : rows) {
        auto s = FindStandardSta(r.line, r.sta, false);
        EXPECT_EQ(s.line, r.stdLine) << r.line << "/" << r.sta;
        EXPECT_EQ(s.station, r.stdSta) << r.line << "/" << r.sta;
    }
}

TEST(FindStandardSta, CalculatedModeKeepsTheCalculatedValues) {
    auto s = FindStandardSta("93.5", "26.0", true);
    EXPECT_EQ(s.line, "93.5");
    EXPECT_EQ(s.station, "26.0");
}

TEST(StationFileFor, LineTextsMatchExactly) {
    EXPECT_EQ(StationFileFor("93.3"), "Line93.txt");
    EXPECT_EQ(StationFileFor("91.8"), "Line92.txt");
    EXPECT_EQ(StationFileFor("66.7"), "Line67.txt");
    EXPECT_EQ(StationFileFor("93.30"), std::nullopt);
    EXPECT_EQ(StationFileFor("95.0"), std::nullopt);
}

TEST(PositionOf, ComesBackToTheSameLineAndStation) {
    for (double line : {93.3, 86.7, 80.0, 76.7, 60.0})
        for (double sta : {26.7, 40.0, 60.0, 90.0, 120.0}) {
            auto p = PositionOf(line, sta);
            auto back = CalcLineSta(static_cast<float>(p.lat), static_cast<float>(p.lon));
            EXPECT_NEAR(std::stod(back.line), line, 0.051) << line << " " << sta;
            EXPECT_NEAR(std::stod(back.station), sta, 0.051) << line << " " << sta;
        }
    auto ref = PositionOf(80.0, 60.0);
    EXPECT_NEAR(ref.lat, 34.15, 1e-6);
    EXPECT_NEAR(ref.lon, -121.15, 1e-6);
}
