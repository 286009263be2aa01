// FrmEditCFG: shows the running configuration, writes it with "Update/Save" and
// restarts the main window on it.
#pragma once
#include "forms/workstation.h"

namespace varnel {

void EditCfg_Form_Load(Workstation& w);
void ShowConfigEditor(Workstation& w);
void EditCfg_Command1_Click(Workstation& w, int index);
// A field changed: the lines that will not work are marked again (FrmEditCFG.marks).
void EditCfg_Change(Workstation& w);

}  // namespace varnel
