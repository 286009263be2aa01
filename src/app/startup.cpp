#include "app/startup.h"

#include <stdexcept>

#include "app/starter_station.h"
#include "config/config_check.h"
#include "config/configuration.h"
#include "config/navigation_source.h"
#include "events/deployment_watch.h"
#include "events/event_files.h"
#include "events/event_grid.h"
#include "events/event_number.h"
#include "events/pending_events.h"
#include "events/store_of_station.h"
#include "forms/config_notice.h"
#include "lists/comment_options.h"
#include "lists/edited_files.h"
#include "lists/event_editor.h"
#include "lists/line_station_boxes.h"
#include "lists/role_lists.h"
#include "nav/comm_check.h"
#include "platform/numbers.h"
#include "platform/strings.h"

namespace varnel {

namespace {

// True when the station was set up from nothing.
bool ReadConfigurationAtStartUp(Workstation& w) {
    auto& fs = w.files();
    bool starter = false;
    if (!fs.Exists(kConfigPath)) {
        try {
            WriteStarterStation(fs, w.services.GuideFolder());
            starter = true;
        } catch (const FileError& e) {
            w.Msg(std::string("No configuration was found and no starter station could be written: ") + e.what() +
                      ". The program goes on with an empty configuration.",
                  Icon::Exclamation);
            return false;
        }
    }
    try {
        ReadConfiguration(fs, w.cfg);
    } catch (const FileError& e) {
        w.Msg(std::string("Unable to read ") + kConfigPath + ": " + e.what() +
                  ". The program goes on with the values it has.",
              Icon::Exclamation);
    }
    return starter;
}

void DerivePaths(Workstation& w) {
    auto& f = w.frmActivity;
    auto& c = w.cfg;
    f.dataFolder = c.DataDirectory();
    f.navFolder = c.NavDirectory();
    f.commentOptPath = f.homeFolder + c.CommentOptionsFile();
    f.EventListPath = f.homeFolder + c.EventListFile();
    f.EventRole = RoleFromListName(c.EventListFile());
    f.frmSelectEvent.caption = f.EventRole + " Events";
    f.initialsPath = f.homeFolder + c.InitialsFile();
    f.EvNumNetPath = f.dataFolder + c.EventNumberFile();
    f.EvNumPath = f.EvNumNetPath;
    f.menu.mnuEventNumFile.caption = f.EvNumPath;
    f.EvNumLocalPath = f.homeFolder + c.EventNumberFile();
    f.CurrPosFile = f.navFolder + c.PositionFile();
    f.menu.mnuCurrPos.caption = f.CurrPosFile;
    f.PreloadMode = c.PreloadMode();
    f.EventScheme = UCase(c.EventNumberScheme());
    const std::string& list = f.EventListPath;
    if (Contains(list, "Lab") || Contains(list, "Cruise"))
        f.helpPage = "file:///C:/VarnelGPS/help/html/lab.html";
    else if (Contains(list, "CUFES"))
        f.helpPage = "file:///C:/VarnelGPS/help/html/cufes.html";
    else if (Contains(list, "Aft") || Contains(list, "Bridge"))
        f.helpPage = "file:///C:/VarnelGPS/help/html/bridge.html";
    else
        f.helpPage = "file:///C:/VarnelGPS/help/index.html";
}

void NumberingLayout(Workstation& w) {
    auto& f = w.frmActivity;
    int col0, boxWidth, comboLeft, comboWidth;
    if (f.EventScheme == "JULIAN" && UCase(w.cfg.EventModes()) == "LONG") {
        col0 = 1000;
        boxWidth = 112;
        comboLeft = 120;
        comboWidth = 377;
    } else if (f.EventScheme == "JULIAN") {
        col0 = 1000;
        boxWidth = 96;
        comboLeft = 102;
        comboWidth = 395;
    } else {
        col0 = 600;
        boxWidth = 56;
        comboLeft = 63;
        comboWidth = 530;
    }
    f.EventLog.colWidth[0] = col0;
    f.Text1[5].width = boxWidth;
    f.Combo1.left = comboLeft;
    f.Combo1.width = comboWidth;
    const char* headers[] = {"Evt#", "Line", "Sta", "Date", "Time", "Event", "Lat", "Lon", "Init", "Comments"};
    const int widths[] = {col0, 600, 600, 1250, 950, 2400, 1000, 1100, 600, 3000};
    for (int c = 0; c < 10; ++c) {
        f.EventLog.Cell(0, c) = headers[c];
        f.EventLog.colWidth[static_cast<size_t>(c)] = widths[c];
    }
}

void LoadInitials(Workstation& w) {
    auto& f = w.frmActivity;
    if (!w.files().Exists(f.initialsPath)) {
        w.Msg("Unable to find " + f.initialsPath);
        return;
    }
    for (auto& line : ReadEditedFile(w, f.initialsPath))
        if (!Trim(line).empty()) f.Combo2.items.push_back(line);
}

// The panel and the Event box with no list in them.
void EmptyEventPanel(ActivityForm& f) {
    for (auto& o : f.Option1) o.visible = false;
    for (auto& c : f.Check1) c.visible = false;
    f.Combo1.items.clear();
    f.LastEventIndex = -1;
    LayOutEventPanel(f);
}

void ShowFirstEntries(ActivityForm& f) {
    for (ComboBox* b : {&f.Combo1, &f.Combo2, &f.Combo3, &f.Combo4}) b->text = b->items.empty() ? "" : b->items.front();
}

// Loads the event list editor, the role event list, the comment options, initials,
// the line and station boxes and the grid's recent events. Once the role list file
// is known to exist, any error on the way tells the operator the list is not
// available, waits a second and loads it all again (a shared drive that is briefly
// away comes back); after kListRetryRounds rounds the panel stays empty.
void LoadLists(Workstation& w) {
    auto& f = w.frmActivity;
    for (int round = 1;; ++round) {
        bool armed = false;
        try {
            EventEdit_Form_Load(w);
            w.frmEventEdit.EventList.Cell(0, 0) = "Num";
            w.frmEventEdit.EventList.Cell(0, 1) = "Event";
            f.Combo1.items.clear();
            f.Combo2.items.clear();
            f.Combo3.items.clear();
            f.Combo4.items.clear();
            if (w.files().Exists(f.EventListPath)) {
                armed = true;
                LoadEventList(w, ListOccasion::StartUp);
            } else {
                // The missing list is named; the event-number file stays where it is.
                w.Msg("Unable to find " + f.EventListPath +
                          " - the event panel stays empty; pick a role list in "
                          "Config - Select Different Events or create one with Create/Edit Events File.",
                      Icon::Exclamation);
                EmptyEventPanel(f);
            }
            LoadCommentOptions(w);
            LoadInitials(w);
            LoadLineList(w);
            ShowFirstEntries(f);
            PreloadEvents(*SharedStore(w), f);
            return;
        } catch (const std::exception& e) {
            if (!armed) throw;
            w.Msg("Event File is not available...retrying");
            w.services.Pause(1000);
            if (round >= kListRetryRounds) {
                w.Msg("Unable to read " + f.EventListPath + " after " + std::to_string(round) + " tries (" + e.what() +
                          "). The logger goes on without it; fix the file and pick the role list again.",
                      Icon::Exclamation);
                EmptyEventPanel(f);
                return;
            }
        }
    }
}

void RunStartUp(Workstation& w) {
    auto& f = w.frmActivity;
    auto& c = w.cfg;
    f.loaded = true;
    f.widthTwips = 14085;
    // Every start, a restart from the configuration editor included, begins in
    // network mode; only the event-number discovery can fall back to local operation.
    f.NetworkMode = true;
    f.ManualEventNumber = false;
    f.EditingRow = false;
    f.homeFolder = kHomeFolder;
    const bool starter = ReadConfigurationAtStartUp(w);
    DerivePaths(w);
    f.caption = c.Project() + " " + c.Cruise() + " " + "Cruise Electronic Event Log";
    f.frmSelectEvent.tooltip = "Events loaded from " + f.EventListPath + " (Double-click to edit)";
    // The sampling interval in milliseconds; no usable value means the 15-second default.
    double rate = RoundHalfEven(Val(c.SamplingRate()));
    f.SamplingInterval = (rate > 0 && rate < 2e9) ? static_cast<int>(rate) : 0;
    f.Text1[0].text = c.Cruise();  // the cruise box
    ReadOrderOcc(w.files(), f);
    if (f.SamplingInterval == 0) f.SamplingInterval = 15000;
    f.gridRow = 1;
    // A MULTI station picks several events at once from check boxes; any other
    // picks one event from option buttons.
    if (Contains(c.EventModes(), "MULTI")) {
        f.frmSelectMulti.visible = true;
        f.frmSelectEvent.visible = false;
        f.MultiMode = true;
        f.menu.mnuMulti.checked = true;
        for (auto& b : f.Check1) b.visible = false;
    } else {
        f.frmSelectEvent.visible = true;
        f.frmSelectMulti.visible = false;
        f.MultiMode = false;
        for (auto& o : f.Option1) o.visible = false;
    }
    f.EventLog.Resize(2000, 10);
    f.EventLog.fixedRows = 1;
    f.EventLog.fixedCols = 0;
    NumberingLayout(w);
    LoadLists(w);
    DiscoverEventNumberFile(w);
    // The window shows before the network announcement and the navigation source's
    // windows, so they come up over it.
    f.visible = true;
    // A configuration that asks for NETWORK turns network mode back on even when the
    // operator chose local operation in the event-number discovery.
    if (c.NetworkOrLocal() == "NETWORK" || f.NetworkMode) {
        f.NetworkMode = true;
        const std::string text = "Auto/Network Mode Enabled - Press Start to load Current Position.";
        f.StatusBar1.panel[1] = text;
        w.Msg(text);
    }
    // The navigation source. GPS and UDP open the GPS serial window and hide the main
    // window until the operator has started the input there; an unknown source
    // leaves the source as it was.
    const NavSource source = ParseNavSource(c.NavSourceWord());
    if (source == NavSource::Gps || source == NavSource::Udp) {
        f.NavSource = source;
        f.menu.mnuAuto.checked = true;
        if (source == NavSource::Udp) {
            int port = static_cast<int>(Val(c.ComPort()));
            if (port <= 0 || port > 65535) port = 5005;
            if (!w.services.UdpListen(port))
                w.Msg("Unable to listen for navigation on UDP port " + std::to_string(port) +
                          ". Check that no other program uses it.",
                      Icon::Exclamation);
        }
        ShowCommCheck(w);
        f.visible = false;
    } else if (source == NavSource::Knorr) {
        f.NavSource = NavSource::Knorr;
        f.menu.mnuAuto.checked = true;
    } else if (source == NavSource::Met) {
        f.NavSource = NavSource::Met;
    } else if (source == NavSource::Scs) {
        f.NavSource = NavSource::Scs;
    } else if (source == NavSource::Network) {
        f.NavSource = NavSource::Network;
        f.menu.mnuAuto.checked = true;
    }
    // The Line.Sta mode; any other value keeps the menu's ticks as they are.
    auto& m = f.menu;
    if (c.LineStationMethod() == "CALCULATE") {
        m.mnuCalcLine.checked = true;
        m.mnuStndLine.checked = false;
        m.mnuSelectLine.checked = false;
    } else if (c.LineStationMethod() == "STANDARD") {
        m.mnuStndLine.checked = true;
        m.mnuCalcLine.checked = false;
        m.mnuSelectLine.checked = false;
    } else if (c.LineStationMethod() == "SELECT") {
        m.mnuSelectLine.checked = true;
        m.mnuCalcLine.checked = false;
        m.mnuStndLine.checked = false;
    }
    // Values the configuration editor would mark are listed in a notice of the window;
    // the station goes on with them as they are.
    PostConfigurationNotice(f, c.slot, CheckConfiguration(c.slot, w.files()));
    if (starter) f.StatusBar1.panel[1] = StarterStationNote();
}

}  // namespace

void Activity_Form_Load(Workstation& w) {
    try {
        RunStartUp(w);
        SendWaitingEvents(w);  // events a previous run could not send
        RebuildDeployments(w);
    } catch (const std::exception& e) {
        w.frmActivity.visible = true;
        w.Msg(std::string("Start-up could not finish: ") + e.what() +
                  ". The logger is open with what was loaded; check the configuration (Config - Edit varnel.cfg).",
              Icon::Exclamation);
    }
}

void RestartProgram(Workstation& w) {
    if (w.services.SerialIsOpen()) w.services.SerialClose();
    w.frmCommCheck = CommCheckForm();
    w.frmActivity = ActivityForm();
    Activity_Form_Load(w);
}

}  // namespace varnel
