// The line box Combo3 and station box Combo4: filling them from Lines.txt and the
// station files, the operator's line pick, and the three Line.Sta mode commands.
#pragma once
#include "forms/workstation.h"

namespace varnel {

// Start-up: Lines.txt into the line box, Line93.txt into the station box; a missing
// file is reported "Unable to find " + path and its box stays empty.
void LoadLineList(Workstation& w);
// Refills the station box's list for StndLine; the box text is kept. A missing file
// or a line with no station file leaves the list as it was, silently.
void LoadStationList(FileSystem& fs, ActivityForm& f);
void Combo3_Click(Workstation& w);
void mnuCalcLine_Click(Workstation& w);
void mnuStndLine_Click(Workstation& w);
void mnuSelectLine_Click(Workstation& w);

}  // namespace varnel
