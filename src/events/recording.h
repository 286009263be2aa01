// The four command buttons: Start / Record Event, Standby / Resume, Quit and
// Clear Last, and the activity class of an event name.
#pragma once
#include <string>

#include "forms/workstation.h"

namespace varnel {

std::string ClassifyActivity(const std::string& eventText);
void Command1_Click(Workstation& w, int index);
// Quit's ending: the grid dump, timers and port stopped, the program ended.
void QuitProgram(Workstation& w);

}  // namespace varnel
