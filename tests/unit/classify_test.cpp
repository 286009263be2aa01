#include <gtest/gtest.h>

#include "events/event_files.h"
#include "events/recording.h"

using namespace varnel;

TEST(ClassifyActivity, FirstMatchingRuleWins) {
    struct Row {
        const char* event;
        const char* cls;
    } rows[] = {{"CTD DEPLOYED", "CTD"},
                {"ctd deployed", "Ancillary"},
                {"BONGO for CTD", "CTD"},
                {"Pairovet tow", "PAIROVET"},
                {"manta", "MANTA"},
                {"Bongo", "BONGO"},
                {"SECCHI DISK", "SECCHI"},
                {"sonobuoy", "SONOBUOY"},
                {"Towed-array on", "TOWEDARRAY"},
                {"TM POLE", "TM POLE"},
                {"pump on", "TM PUMP"},
                {"GoFlo bottle", "TM-GOFLO"},
                {"CUFES SAMPLE", "CUFES"},
                {"reflics", "REFLICS"},
                {"STATION ARRIVAL", "STATION"},
                {"ADCP on", "ADCP"},
                {"co2 sample", "CO2"},
                {"CUDLS2", "CUDLS2"},
                {"PRR cast", "PRR"},
                {"Mermaid", "MER"},
                {"MAMMAL SIGHTING", "MMammals"},
                {"Ancillary", "Ancillary"},
                {"", "Ancillary"},
                {"Marine mammal flow", "TM-GOFLO"}};
    for (const auto& r : rows) EXPECT_EQ(ClassifyActivity(r.event), r.cls) << r.event;
}

TEST(ExtractLine, CutsAtTheSixteenthCommaOrTheFirstDollar) {
    EXPECT_EQ(ExtractLine("C,9,a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r", 1), "C,1,a,b,c,d,e,f,g,h,i,j,k,l,m,n,");
    EXPECT_EQ(ExtractLine("C,9,a,b,$GPGGA,1,2,", 7), "C,7,a,b,");
    EXPECT_EQ(ExtractLine("", 3), ",3,");
    EXPECT_EQ(ExtractLine("Cruise,Event#,StndLine", 1), "Cruise,1,");
}

TEST(CtdPrefix, FirstFourCharactersOfLongerCruises) {
    EXPECT_EQ(CtdPrefix("0504NH"), "0504");
    EXPECT_EQ(CtdPrefix("AB"), "AB");
    EXPECT_EQ(CtdPrefix("ABCD"), "ABCD");
    EXPECT_EQ(CtdPrefix(" AB CD"), "AB C");
}

TEST(CommentsField, OnlyWithTheLabel) {
    EXPECT_EQ(CommentsField("Comments: calm sea"), "calm sea");
    EXPECT_EQ(CommentsField("calm sea"), "");
    EXPECT_EQ(CommentsField("Comments: a Comments: b"), "a  b");
    EXPECT_EQ(CommentsField("comments: a"), "");
}

#include "events/event_grid.h"

TEST(MakeRoomInGrid, AFullGridDropsItsOldestRow) {
    ActivityForm f;
    f.EventLog.Resize(3, 10);
    f.EventLog.Cell(0, 0) = "Evt#";
    for (int r = 1; r < 3; ++r) f.EventLog.Cell(r, 0) = std::to_string(40 + r);
    f.gridRow = 2;
    MakeRoomInGrid(f);  // room left: nothing moves
    EXPECT_EQ(f.EventLog.Cell(1, 0), "41");
    f.gridRow = 3;
    MakeRoomInGrid(f);
    EXPECT_EQ(f.gridRow, 2);
    EXPECT_EQ(f.EventLog.Cell(0, 0), "Evt#");
    EXPECT_EQ(f.EventLog.Cell(1, 0), "42");
    EXPECT_EQ(f.EventLog.Cell(2, 0), "");
}
