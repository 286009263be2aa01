// The main window's small menu commands and its key handling, and one entry that
// routes a menu item by name to its command (used by the views and the runner).
#pragma once
#include <string>

#include "forms/workstation.h"

namespace varnel {

void mnuExit_Click(Workstation& w);
void mnuLineFileEdit_Click(Workstation& w);
void mnuOrderOccFile_Click(Workstation& w);
void mnuPrintLog_Click(Workstation& w);
void mnuNetwork_Click(Workstation& w);
void Activity_Form_KeyDown(Workstation& w, int keyCode);
// Runs the command of the menu item `name` (e.g. "mnuAuto"); false for an unknown name.
bool ClickMenu(Workstation& w, const std::string& name);

}  // namespace varnel
