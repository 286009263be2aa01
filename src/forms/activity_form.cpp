#include "forms/activity_form.h"

namespace varnel {

namespace {

const char* const kRecorderCaptions[] = {"Start", "Record Event", "Saving Event", "Standingby"};

MenuItem Item(const char* caption, bool checked = false) {
    MenuItem m;
    m.caption = caption;
    m.checked = checked;
    return m;
}
}  // namespace

ActivityForm::ActivityForm() {
    const char* cmd[] = {"Start", "Standby", "Quit", "Clear Last"};
    const char* cmdTip[] = {"Start Event Data Display", "Pauses Nav Data Display until Resume is pressed",
                            "Exits the program and saves displayed data to the server",
                            "Erases last event and rolls back event number"};
    for (int i = 0; i < 4; ++i) {
        Command1[static_cast<size_t>(i)].caption = cmd[i];
        Command1[static_cast<size_t>(i)].tooltip = cmdTip[i];
    }
    const char* tips[] = {"Cruise Designation",
                          "Underway Data System Date (DD-MMM-YYYY)",
                          "Underway Data System Time (HH:MM:SS)",
                          "Underway GPS Lat; display is rounded but saved lat is full precision",
                          "Underway GPS Lon; display is rounded but saved lat is full precision",
                          "Event Number: read in from Eventnumber.txt over network in auto-mode"};
    for (int i = 0; i < 6; ++i) Text1[static_cast<size_t>(i)].tooltip = tips[i];
    Text1[0].text = "0504NH";
    Text1[5].text = "365.120000";
    Text1[5].locked = true;
    Text1[5].width = 56;
    Combo1.tooltip = "Event: Read in from configured \"xxxevent.txt\" file set in varnel.cfg, 4th row";
    Combo1.left = 63;
    Combo1.width = 530;
    Combo2.tooltip = "Operators Initials";
    Combo3.text = "Line";
    Combo3.tooltip = "Ormanti Line calculated by lat & lon to the nearest standard sta in auto-mode";
    Combo4.text = "Sta";
    Combo4.tooltip = "Ormanti Sta calculated by lat & lon to the nearest standard sta in auto-mode";
    txtComments.text = "Comments: ";
    txtComments.tooltip =
        "Enter any comments of interest; Options above will enter automatically when selected; Enter or "
        "delete any info using keyboard/stylus";
    Frame5.caption = "Station Type";
    Frame6.caption = "Sea Conditions";
    Frame4.caption = "Day/Night";
    const char* st[] = {"Standard", "Prodo", "SCCOOS"};
    const char* sc[] = {"Calm", "Modrt", "Rough"};
    for (size_t i = 0; i < 3; ++i) {
        Option5[i].caption = st[i];
        Option3[i].caption = sc[i];
    }
    Option4[0].caption = "Day";
    Option4[1].caption = "Night";
    frmSelectEvent.caption = "STANDARD EVENT";
    frmSelectEvent.tooltip = "Standard Events, select one or use drop-down arrow to select Event";
    frmSelectEvent.width = 220;
    frmSelectEvent.height = 520;
    frmSelectMulti.caption = "Select All That Apply";
    frmSelectMulti.tooltip = "First Checked becomes Event, all others are Comments";
    frmSelectMulti.width = 220;
    frmSelectMulti.height = 520;
    const char* placeholders[] = {"CTD", "Pairovet", "Manta", "Bongo", "Secchi", "Sonabuoy", "Towed-array"};
    for (size_t i = 0; i < 30; ++i) Option1[i].caption = i < 7 ? placeholders[i] : "Act " + std::to_string(i);
    for (size_t i = 0; i < 27; ++i) Check1[i].caption = "Check" + std::to_string(i);
    EventLog.tooltip =
        "Event Log; Edit any row by double-clicking the row or field; make your changes then [Record Event] to "
        "replace";
    EventLog.Resize(2, 10);
    EventLog.width = 812;
    Deployments.Resize(1, 5);
    const char* heads[] = {"Activity", "Line / Sta", "Started UTC", "In the water", "Logged by"};
    for (int c = 0; c < 5; ++c) Deployments.Cell(0, c) = heads[c];
    Deployments.tooltip =
        "Operations deployed and not yet recovered, from every station's events in the cruise log; red when "
        "past the time set in C:\\VarnelGPS\\Deployments.txt";
    lblDeployments.caption = "In the water: nothing";
    DeployNotice.visible = false;
    DeployNotice.caption = "";
    cmdNotice[0].caption = "Snooze 30 min";
    cmdNotice[1].caption = "OK";
    CfgNotice.visible = false;
    CfgNotice.caption = "";
    cmdCfgNotice[0].caption = "Edit Configuration";
    cmdCfgNotice[1].caption = "OK";
    Text2.text = "Timer Activity";
    Text2.top = 540;
    StatusBar1.tooltip = "Current Status";
    StatusBar1.panel[1] = "Ready...";
    StatusBar1.panel[2] = "Press F1 for Help";
    StatusBar1.panel[3] = "GPS status: ";
    StatusBar1.panelTooltip[3] = "If current GPS position is parsing correctly, it will indicate here";
    StatusBar1.panel[6] = "OrderOcc:";
    StatusBar1.panelTooltip[6] = "Order Occupied aka Proc#";
    Timer1.interval = 10000;
    Timer1.enabled = true;
    const char* labels[] = {"Cruise", "Date_UTC", "Time_UTC", "Lat",  "Lon", "Event #",
                            "",       "Event",    "Initials", "Line", "Sta"};
    for (size_t i = 0; i < 11; ++i) Label1[i].caption = labels[i];
    Label1[6].visible = false;

    auto& m = menu;
    m.mnuCfg = Item("Config ");
    m.mnuAuto = Item("Auto Fill Data", true);
    m.mnuAutoEvent = Item("Auto Increment Event", true);
    m.mnuLineSta = Item("Line.Sta Setting");
    m.mnuStndLine = Item("Use nearest Standard Line.Sta", true);
    m.mnuSelectLine = Item("Use selected Line.Sta");
    m.mnuCalcLine = Item("Use calculated Line.Sta");
    m.PreLoad = Item("Displayed Events");
    m.mnuLastEvent = Item("Last Event Only", true);
    m.mnuCurrSta = Item("Current Sta Events");
    m.mnuLastSta = Item("Last Station Events");
    m.mnuAllEvents = Item("All Events (last 1000 or less)");
    m.mnuSelEvents = Item("Select Different Events");
    m.mnuCruise = Item("Cruise");
    m.mnuBridge = Item("Bridge/AftControl");
    m.mnuMMammals = Item("Marine Mammals");
    m.mnuCUFES = Item("CUFES");
    m.mnuMulti = Item("Switch to CheckBox Mode");
    m.mnuEditCfg = Item("Edit varnel.cfg");
    m.mnuComSet = Item("Com Port Settings/Input Display");
    m.mnuCEcfg = Item("Create/Edit Cfg Files");
    m.mnuMakeEvFile = Item("Create/Edit Events File");
    m.mnuLineFileEdit = Item("Edit Line or Sta Files");
    m.mnuComments = Item("Edit Comment Boxes");
    m.mnuhtml = Item("Generate html", true);
    m.MnuHelp = Item("File Settings");
    m.mnuNetwork = Item("HTML Help");
    m.mnuOrderOcc = Item("OrderOcc File");
    m.mnuOrderOccFile = Item("");
    m.mnuEvent = Item("EventNumberFile");
    m.mnuEventNumFile = Item("");
    m.mnuCurrPosition = Item("PostitionFile");
    m.mnuCurrPos = Item("");
    m.mnuPrintSetup = Item("Print");
    m.mnuPrintLog = Item("Print Log");
    m.mnuAllEvents2File = Item("Generate Entire Cruise Event File");
    m.mnuExit = Item("Exit");
}

std::vector<MenuEntry> ActivityForm::MenuTree() {
    auto& m = menu;
    return {{"mnuCfg", 0, &m.mnuCfg},
            {"mnuAuto", 1, &m.mnuAuto},
            {"mnuAutoEvent", 1, &m.mnuAutoEvent},
            {"mnuLineSta", 1, &m.mnuLineSta},
            {"mnuStndLine", 2, &m.mnuStndLine},
            {"mnuSelectLine", 2, &m.mnuSelectLine},
            {"mnuCalcLine", 2, &m.mnuCalcLine},
            {"PreLoad", 1, &m.PreLoad},
            {"mnuLastEvent", 2, &m.mnuLastEvent},
            {"mnuCurrSta", 2, &m.mnuCurrSta},
            {"mnuLastSta", 2, &m.mnuLastSta},
            {"mnuAllEvents", 2, &m.mnuAllEvents},
            {"mnuSelEvents", 1, &m.mnuSelEvents},
            {"mnuCruise", 2, &m.mnuCruise},
            {"mnuBridge", 2, &m.mnuBridge},
            {"mnuMMammals", 2, &m.mnuMMammals},
            {"mnuCUFES", 2, &m.mnuCUFES},
            {"mnuMulti", 1, &m.mnuMulti},
            {"mnuEditCfg", 1, &m.mnuEditCfg},
            {"mnuComSet", 1, &m.mnuComSet},
            {"mnuCEcfg", 1, &m.mnuCEcfg},
            {"mnuMakeEvFile", 2, &m.mnuMakeEvFile},
            {"mnuLineFileEdit", 2, &m.mnuLineFileEdit},
            {"mnuComments", 2, &m.mnuComments},
            {"mnuhtml", 1, &m.mnuhtml},
            {"MnuHelp", 0, &m.MnuHelp},
            {"mnuNetwork", 1, &m.mnuNetwork},
            {"mnuOrderOcc", 1, &m.mnuOrderOcc},
            {"mnuOrderOccFile", 2, &m.mnuOrderOccFile},
            {"mnuEvent", 1, &m.mnuEvent},
            {"mnuEventNumFile", 2, &m.mnuEventNumFile},
            {"mnuCurrPosition", 1, &m.mnuCurrPosition},
            {"mnuCurrPos", 2, &m.mnuCurrPos},
            {"mnuPrintSetup", 0, &m.mnuPrintSetup},
            {"mnuPrintLog", 1, &m.mnuPrintLog},
            {"mnuAllEvents2File", 1, &m.mnuAllEvents2File},
            {"mnuExit", 0, &m.mnuExit}};
}

RecorderState RecorderStateOf(const ActivityForm& f) {
    for (auto s : {RecorderState::Ready, RecorderState::Saving, RecorderState::StandingBy})
        if (f.Command1[0].caption == kRecorderCaptions[static_cast<int>(s)]) return s;
    return RecorderState::Start;
}

void ShowRecorderState(ActivityForm& f, RecorderState state) {
    f.Command1[0].caption = kRecorderCaptions[static_cast<int>(state)];
}

}  // namespace varnel
