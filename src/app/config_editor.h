// FrmEditCFG: shows the running configuration, writes it with "Update/Save" and
// restarts the main window on it.
#pragma once
#include "forms/workstation.h"

namespace varnel {

void EditCfg_Form_Load(Workstation& w);
void ShowConfigEditor(Workstation& w);
void EditCfg_Command1_Click(Workstation& w, int index);

}  // namespace varnel
