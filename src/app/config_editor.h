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
// The start-up notice of values that will not work: 0 opens the editor, 1 closes it.
void CfgNotice_Click(Workstation& w, int index);

}  // namespace varnel
