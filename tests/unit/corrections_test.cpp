// Edits and Clear Last read the same through the routine, the cruise report and the
// deployments strip. Each row is a log: "number writer time event", a leading "!" per
// erase note that Clear Last left in the comments.
#include <gtest/gtest.h>

#include <sstream>

#include "record/deployments.h"
#include "record/log_line.h"
#include "report/cruise_record.h"

namespace varnel {
namespace {

LoggedEvent Event(std::string text) {
    LoggedEvent e;
    while (text[0] == '!') text.erase(0, 1), e.comments += "erase previous event ;";
    std::istringstream in(text);
    in >> e.number >> e.operatorInitials >> e.timeUtc;
    std::getline(in >> std::ws, e.event);
    e.cruise = "0701JD", e.dateUtc = "05-Jul-2026", e.timeUtc += ":00", e.lat = "32.9", e.lon = "-117.3";
    return e;
}

// What the routine, the report (standing of each line, erased lines named, numbers
// drawn twice) and the strip (numbers of the open deployments, with Clear Last pressed
// on the station before its note arrives or not) make of a log, as one text.
std::string Reading(const std::string& log) {
    Corrections routine;
    DeploymentBook strip, pressed;
    std::vector<std::string> lines;
    std::string live, erased, named, open[2];
    std::istringstream in(log);
    for (std::string text; std::getline(in >> std::ws, text, ';');) {
        const LoggedEvent e = Event(text);
        lines.push_back(RoleLogLine(e));
        for (size_t j : routine.Take(CorrectionLineOf(e)).erased) erased += " " + std::to_string(j + 1);
        NoteLogLine(strip, lines.back(), 0);
        for (int n = EraseNotes(e.comments); n > 0; --n) EraseLatestEvent(pressed, e.operatorInitials);
        NoteLoggedEvent(pressed, e, 0);
    }
    const CruiseRecord report = Analyse(ReadLog(lines, "log"), {});
    for (size_t i = 0; i < routine.Size(); ++i) {
        if (routine.StandingOf(i) == Standing::Live) live += " " + std::to_string(i + 1);
        if (report.standing[i] != routine.StandingOf(i)) return "the report reads line " + std::to_string(i + 1);
    }
    for (const auto& h : report.health.erased) named += " " + h.substr(h.find("line ") + 5, 1);
    for (int k = 0; k < 2; ++k)
        for (const auto& o : OpenOperations(k ? pressed : strip, 0)) open[k] += " " + o.start.number;
    if (named != erased || open[0] != open[1])
        return "erased" + erased + " named" + named + " open" + open[0] + " /" + open[1];
    return "live" + live + ", erased" + erased + ", open" + open[0] + ", doubles " +
           std::to_string(report.health.doubles.size());
}

TEST(Corrections, ReadTheSameInTheRoutineTheReportAndTheStrip) {
    // clang-format off
    const char* rows[][3] = {
        {"edit", "1 JD 10:00 CTD DEPLOYED; 2 JD 10:05 BONGO DEPLOYED; 1 JD 10:00 CTD DEPLOYED 500M", "live 2 3, erased, open 1 2, doubles 0"},
        {"clear last", "1 JD 10:00 CTD DEPLOYED; 2 JD 10:05 BONGO DEPLOYED; !2 JD 10:09 CTD AT DEPTH", "live 1 3, erased 2, open 1, doubles 0"},
        {"edit then clear last", "42 JD 10:00 CTD AT DEPTH; 43 JD 10:01 CTD DEPLOYED; 44 JD 10:02 BONGO DEPLOYED; "
            "43 JD 10:01 CTD DEPLOYED 500M; !44 JD 10:04 CTD AT DEPTH", "live 1 4 5, erased 3, open 43, doubles 0"},
        {"clear last then record", "1 JD 10:00 CTD DEPLOYED; !1 JD 10:02 BONGO DEPLOYED; 2 JD 10:03 MANTA DEPLOYED", "live 2 3, erased 1, open 1 2, doubles 0"},
        {"two clear lasts", "1 JD 10:00 CTD DEPLOYED; 2 JD 10:01 BONGO DEPLOYED; 3 JD 10:02 MANTA DEPLOYED; !!2 JD 10:03 SECCHI", "live 1 4, erased 3 2, open 1, doubles 0"},
        {"two stations", "1 JD 10:00 CTD DEPLOYED; 2 AB 10:01 BONGO DEPLOYED; !1 JD 10:02 CTD AT DEPTH", "live 2 3, erased 1, open 2, doubles 0"},
        {"an erase with nothing of its own", "1 JD 10:00 CTD DEPLOYED; !2 AB 10:01 BONGO DEPLOYED", "live 1 2, erased, open 1 2, doubles 0"},
        {"drawn twice", "5 JD 10:00 CTD DEPLOYED; 5 AB 10:07 BONGO DEPLOYED", "live 1 2, erased, open 5 5, doubles 1"},
        {"another station's edit keeps the time", "5 JD 10:00 CTD DEPLOYED; 5 AB 10:00 CTD RECOVERED", "live 2, erased, open, doubles 0"},
        {"the same line twice", "5 JD 10:00 CTD DEPLOYED; 5 JD 10:00 CTD DEPLOYED", "live 1, erased, open 5, doubles 0"},
    };
    // clang-format on
    for (const auto& row : rows) EXPECT_EQ(Reading(row[1]), row[2]) << row[0];
}

}  // namespace
}  // namespace varnel
