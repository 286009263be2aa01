// FrmEditCFG: the 20 configuration values as labelled inputs, "Update/Save" and
// "Close Window".
#pragma once
#include <array>
#include <string>

#include "platform/controls.h"

namespace varnel {

struct EditCfgForm {
    EditCfgForm();

    std::string caption = "C:\\VarnelGPS.cfg Current Settings";
    bool loaded = false;
    bool visible = false;

    std::array<Label, 21> Label1;         // row labels 1..20
    std::array<TextBox, 19> Text1;        // rows 1..18 (10, 11, 16, 17 hidden)
    std::array<ComboBox, 6> Combo1;       // rows 10, 11, 16, 17, 19, 20
    std::array<Button, 2> Command1;       // Update/Save, Close Window
    std::array<std::string, 21> marks{};  // per line: why it will not work, or nothing
};

// The drop-down index that holds row r, or -1 for a text-box row.
int EditCfgComboForRow(int row);

}  // namespace varnel
