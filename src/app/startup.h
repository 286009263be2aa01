// The main window's load: the start-up sequence that reads the configuration,
// derives every path and mode, fills the window and connects the navigation source.
#pragma once
#include "forms/workstation.h"

namespace varnel {

// Runs the whole start-up on a freshly created main window.
void Activity_Form_Load(Workstation& w);
// Closes the GPS serial window and the main window and runs start-up again, with
// CfgLines kept (the configuration editor's restart).
void RestartProgram(Workstation& w);
// Loading the role event list gives up after this many rounds and start-up goes on
// without the list.
inline constexpr int kListRetryRounds = 5;

}  // namespace varnel
