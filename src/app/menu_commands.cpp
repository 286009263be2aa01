#include "app/menu_commands.h"

#include <functional>
#include <map>

#include "app/config_editor.h"
#include "config/configuration.h"
#include "events/event_files.h"
#include "events/event_grid.h"
#include "events/local_logs.h"
#include "lists/line_station_boxes.h"
#include "lists/role_lists.h"
#include "lists/selection.h"
#include "nav/comm_check.h"
#include "station/station_tick.h"

namespace varnel {

void mnuExit_Click(Workstation& w) {
    if (!MayQuitWithHeldEvents(w) || !w.AskYes("Do you really want to quit? Y/N", "Close Program? Y/N")) return;
    w.frmActivity.Timer1.enabled = false;
    w.End();
}

void mnuLineFileEdit_Click(Workstation& w) {
    auto& f = w.frmActivity;
    if (auto chosen = w.prompts.OpenFileDialog("C:\\VarnelGPS")) f.lineFileChoice = *chosen;
    std::string failure = w.services.Launch("notepad " + f.lineFileChoice);
    if (!failure.empty())
        w.Msg("Unable to open " + f.lineFileChoice + " in a text editor: " + failure +
                  ". Set VISUAL to a graphical editor (for example mousepad) or EDITOR to a terminal editor (for "
                  "example nano) in the logger's environment, then try again.",
              Icon::Exclamation);
}

void mnuOrderOccFile_Click(Workstation& w) {
    ReadOrderOcc(w.files(), w.frmActivity);
}

void mnuPrintLog_Click(Workstation& w) {
    w.Msg("Under construction... Stay tuned.");
}

namespace {

// Opens a help page; a browser that fails is told to the operator with the file to open by hand.
void OpenHelpPage(Workstation& w, const std::string& page) {
    std::string failure = w.services.OpenDocument(page);
    if (!failure.empty())
        w.Msg("Unable to open the help page " + page + ": " + failure + ". Open " + w.files().Native(page) +
                  " in a web browser by hand.",
              Icon::Exclamation);
}

}  // namespace

void mnuNetwork_Click(Workstation& w) {
    const std::string& url = w.frmActivity.helpPage;
    // file:///C:/VarnelGPS/help/... -> C:\VarnelGPS\help\...
    std::string path = url.rfind("file:///", 0) == 0 ? url.substr(8) : url;
    for (char& c : path)
        if (c == '/') c = '\\';
    if (w.files().Exists(path)) return OpenHelpPage(w, path);
    // Else the same page of the guide installed with the program, else its front page.
    const std::string guide = w.services.GuideFolder();
    const std::string home = std::string(kHomeFolder) + "help\\";
    if (!guide.empty()) {
        for (const std::string& page :
             {guide + "\\" + (path.rfind(home, 0) == 0 ? path.substr(home.size()) : ""), guide + "\\index.html"})
            if (page.back() != '\\' && w.files().Exists(page)) return OpenHelpPage(w, page);
    }
    w.Msg("No help page is installed (" + path + ").");
}

void Activity_Form_KeyDown(Workstation& w, int keyCode) {
    if (keyCode == 120) w.frmActivity.Timer1.enabled = false;  // F9
    if (keyCode == 112) mnuNetwork_Click(w);                   // F1
}

bool ClickMenu(Workstation& w, const std::string& name) {
    static const std::map<std::string, std::function<void(Workstation&)>> commands = {
        {"mnuAuto", mnuAuto_Click},
        {"mnuStndLine", mnuStndLine_Click},
        {"mnuSelectLine", mnuSelectLine_Click},
        {"mnuCalcLine", mnuCalcLine_Click},
        {"mnuLastEvent", [](Workstation& x) { ChoosePreloadMode(x, "LASTEVENT"); }},
        {"mnuCurrSta", [](Workstation& x) { ChoosePreloadMode(x, "CURRENTSTA"); }},
        {"mnuLastSta", [](Workstation& x) { ChoosePreloadMode(x, "LASTSTA"); }},
        {"mnuAllEvents", [](Workstation& x) { ChoosePreloadMode(x, "ALLEVENTS"); }},
        {"mnuCruise", mnuCruise_Click},
        {"mnuBridge", mnuBridge_Click},
        {"mnuMMammals", mnuMMammals_Click},
        {"mnuCUFES", mnuCUFES_Click},
        {"mnuMulti", mnuMulti_Click},
        {"mnuEditCfg", ShowConfigEditor},
        {"mnuComSet", ShowCommCheck},
        {"mnuMakeEvFile", [](Workstation& x) { x.frmEventEdit.visible = true; }},
        {"mnuLineFileEdit", mnuLineFileEdit_Click},
        {"mnuNetwork", mnuNetwork_Click},
        {"mnuOrderOccFile", mnuOrderOccFile_Click},
        {"mnuPrintLog", mnuPrintLog_Click},
        {"mnuAllEvents2File", ExportEventsOnly},
        {"mnuExit", mnuExit_Click},
    };
    auto it = commands.find(name);
    if (it != commands.end()) {
        it->second(w);
        return true;
    }
    for (auto& e : w.frmActivity.MenuTree())
        if (name == e.name) return true;  // an item with no command
    return false;
}

}  // namespace varnel
