// The main window's tick and its "Auto Fill Data" command. The tick drives every
// subsystem of the station: it sends events waiting for the shared folder, watches
// the deployments, reads navigation, updates the line and station, and follows the
// shared event number and the other stations' last event.
#pragma once
#include "forms/workstation.h"

namespace varnel {

void Timer1_Timer(Workstation& w);
void mnuAuto_Click(Workstation& w);

}  // namespace varnel
