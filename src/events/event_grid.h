// The event grid EventLog: preload from the shared cruise log, the preload-mode
// menus, the double-click edit of a row, the manual event number, and the
// events-only extract.
#pragma once
#include <string>
#include <vector>

#include "forms/workstation.h"
#include "record/cruise_store.h"

namespace varnel {

// The grid's rows from the cruise log of the shared folder, as the preload mode chooses them.
void PreloadEvents(CruiseReader& cruise, ActivityForm& f);
void ChoosePreloadMode(Workstation& w, const std::string& mode);
void EventLog_DblClick(Workstation& w, int row);
void Text1_DblClick(Workstation& w);
void ExportEventsOnly(Workstation& w);
// When the row counter has passed the grid's last row, the oldest row goes and the
// others move up one, so the grid keeps the most recent events of a long cruise.
void MakeRoomInGrid(ActivityForm& f);
// Writes a last-event line into the grid row of the row counter (the tick's pick-up).
void PutLastEventInGrid(ActivityForm& f, const std::string& line);

}  // namespace varnel
