// The event files: local and shared cruise and role logs, the HTML tables, the
// last-event and CTD-at-depth files, OrderOcc.txt, Events.ins and the events-only
// extract. Comma-separated, no quoting, CR LF.
#pragma once
#include <string>
#include <vector>

#include "forms/workstation.h"
#include "record/html_table.h"
#include "record/log_line.h"

namespace varnel {

// The Comments field: the box without any "Comments:", trimmed; empty when the box
// does not hold "Comments:".
std::string CommentsField(const std::string& box);
// The event on screen as it is logged: the boxes, the navigation of the last tick and
// the station's clock at the save.
LoggedEvent EventOnScreen(const ActivityForm& f, const DateTime& clock);
std::string CtdPrefix(const std::string& cruise);

// Writes the three local files. A file that cannot be written is reported to the
// operator (which file, and that the event is not yet safe there); the others are
// still written. Returns the event as it was logged (the boxes as they stand when saving
// is not under way, and nothing was written).
LoggedEvent SaveEventLocal(Workstation& w);
// Writes the shared files; on the first failure the operator is told and it stops.
void SaveEventNetwork(Workstation& w);

std::string OrderOccPath(const ActivityForm& f);
// Reads the order of occupation into f.OrdOcc (a new file holds 1).
void ReadOrderOcc(FileSystem& fs, ActivityForm& f);
void NextOrderOcc(Workstation& w, std::string& result);
void SaveGridToIns(FileSystem& fs, const ActivityForm& f);

}  // namespace varnel
