// A number drawn twice is noticed, never hidden: two stations apart, or a number kept
// from local operation, can give two events one number.
#pragma once
#include "forms/workstation.h"
#include "record/journal_entry.h"

namespace varnel {

// After this station's event went to the shared cruise log: when another live event
// near the log's end already carries its number (read with the log's corrections, so an
// edit, a Clear Last's re-draw and a number the operator typed are none), the operator
// is told which number, and when and by whom it was used. The event stays as drawn:
// its number is already on paper and on sample labels.
void TellOfNumberDrawnTwice(Workstation& w, const PendingEvent& saved);

}  // namespace varnel
