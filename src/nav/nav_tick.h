// The navigation tick of the main window and the "Auto Fill Data" command.
#pragma once
#include "forms/workstation.h"

namespace varnel {

void Timer1_Timer(Workstation& w);
void mnuAuto_Click(Workstation& w);
// Takes datagrams from the UDP receiver: navigation records are kept for the tick,
// NMEA sentences go through the sentence writer, anything else is counted.
void PollUdp(Workstation& w);

}  // namespace varnel
