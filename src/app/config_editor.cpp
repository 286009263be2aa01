#include "app/config_editor.h"

#include "app/startup.h"
#include "config/config_check.h"
#include "config/configuration.h"

namespace varnel {

void EditCfg_Form_Load(Workstation& w) {
    auto& e = w.FrmEditCFG;
    e = EditCfgForm();
    e.loaded = true;
    e.Combo1[0].items = {"LOCAL", "NETWORK"};
    e.Combo1[1].items = {"NETWORK", "GPS", "MET", "SCS", "UDP", "KNORR", "JD"};
    e.Combo1[2].items = {"STANDARD", "CALCULATE", "SELECT"};
    e.Combo1[3].items = {"CURRENTSTA", "LASTEVENT", "ALLEVENTS", "LASTSTA"};
    e.Combo1[4].items = {"JULIAN", "NUMERIC"};
    e.Combo1[5].items = {"MULTI", "SINGLE", "LONG", "SHORT"};
    for (int i : {10, 11, 16, 17}) e.Text1[static_cast<size_t>(i)].visible = false;
    e.Combo1[5].tooltip =
        "Use to select MULTI-checkbox or SINGLE-option event mode (OR long or short numeric julian day event "
        "numbering mode)";
    for (int r = 1; r <= 20; ++r) {
        int combo = EditCfgComboForRow(r);
        if (combo >= 0)
            e.Combo1[static_cast<size_t>(combo)].text = w.cfg[r];
        else
            e.Text1[static_cast<size_t>(r)].text = w.cfg[r];
    }
    EditCfg_Change(w);
}

namespace {

std::array<std::string, 21> EditorLines(const EditCfgForm& e) {
    std::array<std::string, 21> lines{};
    for (int r = 1; r <= 20; ++r) {
        int combo = EditCfgComboForRow(r);
        lines[static_cast<size_t>(r)] =
            combo >= 0 ? e.Combo1[static_cast<size_t>(combo)].text : e.Text1[static_cast<size_t>(r)].text;
    }
    return lines;
}

// "3 (a folder must end with ""), 9 (...)": the marked lines, or nothing.
std::string MarkedLines(const EditCfgForm& e) {
    std::string out;
    for (int r = 1; r <= 20; ++r)
        if (!e.marks[static_cast<size_t>(r)].empty())
            out += (out.empty() ? "" : ", ") + std::to_string(r) + " (" + e.marks[static_cast<size_t>(r)] + ")";
    return out;
}

}  // namespace

void EditCfg_Change(Workstation& w) {
    w.FrmEditCFG.marks = CheckConfiguration(EditorLines(w.FrmEditCFG), w.files());
}

void ShowConfigEditor(Workstation& w) {
    EditCfg_Form_Load(w);
    w.FrmEditCFG.visible = true;
}

void CfgNotice_Click(Workstation& w, int index) {
    w.frmActivity.CfgNotice.visible = false;
    if (index == 0) ShowConfigEditor(w);
}

void EditCfg_Command1_Click(Workstation& w, int index) {
    auto& e = w.FrmEditCFG;
    if (index == 1) {
        e.visible = false;
        e.loaded = false;
        return;
    }
    EditCfg_Change(w);
    const std::string marked = MarkedLines(e);
    try {
        WriteConfiguration(w.files(), EditorLines(e));
    } catch (const FileError& err) {
        w.Msg(std::string("Unable to save ") + kConfigPath + ": " + err.what() +
                  ". Nothing was changed; the running program keeps its settings.",
              Icon::Exclamation);
        return;
    }
    if (w.prompts.MsgBox("You have to restart the program to load the changes. Restart now? Y/N", Buttons::YesNo,
                         Icon::Critical, "Restart Program?") == Answer::Yes) {
        RestartProgram(w);
    }
    if (!marked.empty())
        w.frmActivity.StatusBar1.panel[1] = "Configuration saved with lines that will not work: " + marked + ".";
    e.visible = false;
    e.loaded = false;
}

}  // namespace varnel
