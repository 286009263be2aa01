// Event selection: single picks, multi picks, choosing in the Event box, the panel
// mode switch, and the recorder's move to the next event.
#pragma once
#include "forms/workstation.h"

namespace varnel {

// In single-pick mode the panel marks the button of the event the Event box holds
// (the last one of that name), or none.
void ShowEventInPanel(ActivityForm& f);
// The operator clicks Option1(k): it becomes the selected button of the panel.
void Option1_Click(Workstation& w, int k);
// The operator clicks Check1(k): its value toggles, then the multi-pick rules run.
void Check1_Click(Workstation& w, int k);
// The multi-pick rules after Check1(k)'s value has changed.
void MultiPick(Workstation& w, int k);
// The operator chose an entry in the Event box (its text is already set).
void Combo1_Click(Workstation& w);
void mnuMulti_Click(Workstation& w);
// After a recording: in single-pick mode move the selection to the next event.
void AdvanceEventSelection(Workstation& w);

}  // namespace varnel
