#include "lists/role_lists.h"

#include "config/configuration.h"
#include "lists/edited_files.h"
#include "lists/selection.h"
#include "platform/strings.h"

namespace varnel {

std::string RoleFromListName(const std::string& name) {
    return ReplaceAll(name, "Events.txt", "");
}

void SetPanelCaption(ActivityForm& f) {
    f.frmSelectEvent.caption = f.EventRole + " Events";
    f.frmSelectEvent.tooltip = "Events loaded from " + f.EventListPath + " (Double-click to edit)";
}

void LayOutEventPanel(ActivityForm& f) {
    int last = f.LastEventIndex;
    f.frmSelectEvent.width = 220;
    f.frmSelectEvent.height = last > 11 ? 520 : 286;
    f.frmSelectMulti.width = 220;
    f.frmSelectMulti.height = f.frmSelectEvent.height;
    f.EventLog.width = last > 11 ? 688 : 812;
    if (last > 27 || last == 11) {
        f.Text2.visible = false;
    } else {
        f.Text2.visible = true;
        f.Text2.top = last >= 11 ? 540 : 255;
    }
}

void LoadEventList(Workstation& w, ListOccasion occasion) {
    auto& f = w.frmActivity;
    bool multi = f.MultiMode;
    auto lines = ReadEditedFile(w, f.EventListPath);  // read first: a failed read changes nothing
    if (multi)
        for (auto& c : f.Check1) c.visible = false;
    else
        for (auto& o : f.Option1) o.visible = false;
    f.Combo1.items.clear();
    const int capacity = multi ? 27 : 30;
    bool fillEditor = occasion != ListOccasion::AfterEditing;
    auto& grid = w.frmEventEdit.EventList;
    int slot = 0;
    for (const auto& line : lines) {
        if (Trim(line).empty()) continue;
        f.Combo1.items.push_back(line);
        if (fillEditor) grid.Cell(slot + 1, 1) = line;
        if (multi) {
            f.Check1[static_cast<size_t>(slot)].visible = true;
            f.Check1[static_cast<size_t>(slot)].caption = line;
        } else {
            f.Option1[static_cast<size_t>(slot)].visible = true;
            f.Option1[static_cast<size_t>(slot)].caption = line;
        }
        ++slot;
        if (slot == capacity) {
            std::string message;
            if (occasion == ListOccasion::StartUp)
                message = "You've reach the notation limit - combine events or use the comments for events above 30";
            else if (multi)
                message =
                    "There is a maximum of 26 events options - combine events or use the comments for events above 26";
            else
                message =
                    "There is a maximum of 30 events options - combine events or use the comments for events above 30";
            w.Msg(message);
            break;
        }
    }
    if (fillEditor)
        for (int r = slot + 1; r <= 30; ++r) grid.Cell(r, 1).clear();
    if (occasion != ListOccasion::ModeSwitch) {
        f.LastEventIndex = static_cast<int16_t>(slot - 1);
        LayOutEventPanel(f);
        f.Combo1.text = f.Combo1.items.empty() ? "" : f.Combo1.items.front();
        ShowEventInPanel(f);
    }
}

namespace {

// A list that could not be loaded changes nothing; the status bar says so, beside the
// message that names the file.
void TellPanelKept(ActivityForm& f) {
    f.StatusBar1.panel[1] = "The panel keeps the " + f.EventRole + " events.";
}

}  // namespace

bool LoadEventListWithRetry(Workstation& w, ListOccasion occasion) {
    auto& f = w.frmActivity;
    if (!w.files().Exists(f.EventListPath)) {
        w.Msg("Unable to find " + f.EventListPath);
        TellPanelKept(f);
        return false;
    }
    for (int attempt = 1;; ++attempt) {
        try {
            LoadEventList(w, occasion);
            return true;
        } catch (const FileError& e) {
            if (attempt >= 10) {
                w.Msg("Unable to read " + f.EventListPath + " after 10 tries: " + e.what());
                TellPanelKept(f);
                return false;
            }
            w.services.Pause(1000);
        }
    }
}

void OfferConfigurationSave(Workstation& w, const std::string& eventFile) {
    if (!w.AskYes("Save to VarnelGPS.cfg? Y/N", "Save change to cfg?", Icon::None, Answer::No)) return;
    w.cfg.SetEventListFile(eventFile);
    try {
        WriteConfiguration(w.files(), w.cfg, false);
    } catch (const FileError& e) {
        w.Msg(std::string("Unable to write ") + kConfigPath + ": " + e.what() +
                  ". The running program keeps the new list; the file is unchanged.",
              Icon::Exclamation);
    }
}

void LoadRoleEventList(Workstation& w, const std::string& listFileName) {
    auto& f = w.frmActivity;
    const std::string path = f.homeFolder + listFileName;
    // A list that is not there changes nothing: the panel, its caption, the role and the
    // configuration keep the list the station has.
    if (!w.files().Exists(path)) {
        w.Msg("Unable to find " + path);
        TellPanelKept(f);
        return;
    }
    const std::string previous = f.EventListPath;
    f.EventListPath = path;
    if (!LoadEventListWithRetry(w, ListOccasion::RoleMenu)) {
        f.EventListPath = previous;
        return;
    }
    f.EventRole = RoleFromListName(Trim(listFileName));
    SetPanelCaption(f);
    OfferConfigurationSave(w, listFileName);
}

void mnuCruise_Click(Workstation& w) {
    LoadRoleEventList(w, "CruiseEvents.txt");
}
void mnuBridge_Click(Workstation& w) {
    LoadRoleEventList(w, "BridgeEvents.txt");
}
void mnuMMammals_Click(Workstation& w) {
    LoadRoleEventList(w, "MMammalEvents.txt");
}
void mnuCUFES_Click(Workstation& w) {
    LoadRoleEventList(w, "CUFESEvents.txt");
}

}  // namespace varnel
