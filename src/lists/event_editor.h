// The event list editor frmEventEdit: typing into its grid, Update, Save To New
// Event File, Exit back to Logger, and the panel reload after a save.
#pragma once
#include "forms/workstation.h"

namespace varnel {

// Creation at start-up: caption, row numbers and column widths.
void EventEdit_Form_Load(Workstation& w);
void EventList_KeyPress(Workstation& w, int code);
void EventEdit_Command1_Click(Workstation& w, int index);
void ReloadEventPanel(Workstation& w);

}  // namespace varnel
