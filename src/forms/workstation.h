// One running logger: its station services and operator prompts (one Host serves
// both), the configuration table that lives as long as the program, and its four
// windows. Nothing is global, so two workstations can run side by side in one test
// process.
#pragma once
#include "config/cfg_lines.h"
#include "forms/activity_form.h"
#include "forms/comm_check_form.h"
#include "forms/edit_cfg_form.h"
#include "forms/event_edit_form.h"
#include "platform/host.h"

namespace varnel {

struct Workstation {
    explicit Workstation(Host& h) : services(h), prompts(h) {}

    StationServices& services;
    OperatorPrompts& prompts;
    CfgLines cfg;
    ActivityForm frmActivity;
    CommCheckForm frmCommCheck;
    EditCfgForm FrmEditCFG;
    EventEditForm frmEventEdit;
    bool ended = false;

    FileSystem& files() { return services.Files(); }
    // Shows an OK message with no title of its own.
    void Msg(const std::string& prompt, Icon icon = Icon::None) { prompts.MsgBox(prompt, Buttons::Ok, icon, ""); }
    bool AskYes(const std::string& prompt, const std::string& title, Icon icon = Icon::None,
                Answer defaultAnswer = Answer::Yes) {
        return prompts.MsgBox(prompt, Buttons::YesNo, icon, title, defaultAnswer) == Answer::Yes;
    }
    void End() {
        ended = true;
        services.EndProgram();
    }
};

}  // namespace varnel
