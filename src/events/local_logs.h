// The station's own cruise log, role log and HTML table when the home folder fails: the
// operator is told once, the event is held (events/pending_events.h) and written there,
// in order and exactly once, as soon as the folder can be written again.
#pragma once
#include <string>
#include <vector>

#include "forms/workstation.h"
#include "record/journal_entry.h"

namespace varnel {

// Writes the events that the station's own logs lack to its HTML table, cruise log and
// role log, oldest first, stopping at the first that still fails. True when the local
// logs lack none. Run at each tick and before each save.
bool CompleteLocalLogs(Workstation& w);
// Writes the event to the station's HTML table, cruise log and role log, each even when
// another fails; with `again` a file that holds the line already is left alone. True
// when all three hold it; `failed` gets what failed.
bool WriteLocalFiles(FileSystem& fs, const PendingEvent& e, bool again, std::vector<std::string>& failed);
// Tells the operator once, until the home folder can be written again, what could not
// be written there and how much space is left, and what becomes of the events.
void ReportHomeFailure(Workstation& w, const std::vector<std::string>& failed);
// A shared line that a write left in part, with another station's line after it, is
// named to the operator (the cruise report lists it too).
void ReportTornLine(Workstation& w, const FileError& failure);
// The notices of events that the local logs lack and of events in no log at all.
void ShowLocalNotices(Workstation& w);
// The events that are in no log yet (the home folder and the shared folder both failed).
size_t EventsSavedNowhere(const ActivityForm& f);
// Before the program ends: when some events are in no log yet, asks whether to quit
// anyway (default No). True when the program may end.
bool MayQuitWithHeldEvents(Workstation& w);

}  // namespace varnel
