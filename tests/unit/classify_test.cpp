#include <gtest/gtest.h>

#include "events/event_files.h"
#include "events/recording.h"
#include "record/deployments.h"

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

// What opens and closes an operation in the water, and what the operation is called.
TEST(Deployments, OpeningAndClosingWordsAndTheSubject) {
    struct {
        const char *event, *subject;
        Phase phase;
    } rows[] = {{"BONGO 2 DEPLOYED", "BONGO 2", Phase::Opens},
                {"TOW START", "TOW", Phase::Opens},
                {"SURVEY STARTED", "SURVEY", Phase::Opens},
                {"BEGIN TRANSECT", "TRANSECT", Phase::Opens},
                {"NET IN THE WATER", "NET", Phase::Opens},
                {"MANTA RECOVERED", "MANTA", Phase::Closes},
                {"TOW END", "TOW", Phase::Closes},
                {"NET ON DECK", "NET", Phase::Closes},
                {"ROV OUT OF WATER", "ROV", Phase::Closes},
                {"CTD AT DEPTH", "CTD AT DEPTH", Phase::None},
                {"STARTLE RESPONSE", "STARTLE RESPONSE", Phase::None},
                {"TOW STOPPED", "TOW", Phase::Closes}};
    for (const auto& r : rows) {
        EXPECT_EQ(PhaseOf(r.event), r.phase) << r.event;
        EXPECT_EQ(Subject(r.event), r.subject) << r.event;
    }
}

// The three date forms of the logs, the last day of the year, and what is no date.
TEST(Deployments, UtcSecondsOfTheLogsDates) {
    const long long newYearsEve = 1798675200 + 23 * 3600 + 59 * 60 + 59;  // 2026-12-31 23:59:59
    for (const char* date : {"31-Dec-2026", "31-DEC-2026", "2026-12-31", "12/31/2026"})
        EXPECT_EQ(UtcSeconds(date, "23:59:59"), newYearsEve) << date;
    for (const char* date :
         {"32-Dec-2026", "31-Dex-2026", "2026-13-01", "00/10/2026", "12/00/2026", "1969-12-31", "31-12-2026"})
        EXPECT_EQ(UtcSeconds(date, "12:00:00"), std::nullopt) << date;
    EXPECT_EQ(UtcSeconds("2026-12-31", "24:00:00"), std::nullopt);
}
