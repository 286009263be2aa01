#include "lists/event_editor.h"

#include <cctype>

#include "config/configuration.h"
#include "lists/role_lists.h"
#include "platform/strings.h"

namespace varnel {

void EventEdit_Form_Load(Workstation& w) {
    auto& e = w.frmEventEdit;
    e = EventEditForm();
    e.loaded = true;
    e.caption = w.frmActivity.EventListPath + "  Event List";
    for (int r = 1; r <= 30; ++r) e.EventList.Cell(r, 0) = std::to_string(r);
    e.EventList.colWidth = {800, 5000};
    e.EventList.row = 1;
    e.EventList.col = 1;
}

void EventList_KeyPress(Workstation& w, int code) {
    auto& g = w.frmEventEdit.EventList;
    if (g.row < 0 || g.row >= g.rows || g.col < 0 || g.col >= g.cols) return;
    std::string& cell = g.Cell(g.row, g.col);
    if (code >= 32 && code <= 127)
        cell += static_cast<char>(std::toupper(code));
    else if (code == 8 && !cell.empty())
        cell.pop_back();
}

namespace {

// Writes rows 1 to 30 (trimmed, empty rows skipped) as a new file replacing the old
// one; a failing write is retried after two seconds, three times, then reported.
bool WriteEventList(Workstation& w, const std::string& path) {
    std::vector<std::string> lines;
    for (int r = 1; r <= 30; ++r) {
        std::string t = Trim(w.frmEventEdit.EventList.Cell(r, 1));
        if (!t.empty()) lines.push_back(t);
    }
    for (int attempt = 1;; ++attempt) {
        try {
            w.files().ReplaceLines(path, lines);
            break;
        } catch (const FileError& e) {
            if (attempt > 3) {
                w.Msg("Unable to write " + path + " (" + e.what() + "). The list file was not changed.",
                      Icon::Exclamation);
                return false;
            }
            w.services.Pause(2000);
        }
    }
    w.Msg(path + " updated with" + " " + std::to_string(lines.size()) + " events.");
    return true;
}

}  // namespace

void ReloadEventPanel(Workstation& w) {
    auto& f = w.frmActivity;
    if (!w.files().Exists(f.EventListPath))
        w.Msg("Unable to find " + f.EventListPath);
    else
        LoadEventListWithRetry(w, ListOccasion::AfterEditing);
    f.EventRole = ReplaceAll(ReplaceAll(Trim(f.EventListPath), "Events.txt", ""), kHomeFolder, "");
    SetPanelCaption(f);
    w.frmEventEdit.caption = f.EventListPath + "  Event List";
}

void EventEdit_Command1_Click(Workstation& w, int index) {
    auto& f = w.frmActivity;
    auto& e = w.frmEventEdit;
    switch (index) {
        case 0:
            e.EventList.col = 1;
            if (w.AskYes("Overwrite existing events file " + f.EventListPath + "? Y/N", "Update exisiting Event File?"))
                if (WriteEventList(w, f.EventListPath)) ReloadEventPanel(w);
            e.visible = false;
            break;
        case 1: {
            w.Msg("Save the event file to C:\\VarnelGPS\\xxxxxEvents.txt (xxxxx = eventlist type)");
            auto chosen = w.prompts.SaveFileDialog("C:\\VarnelGPS");
            if (!chosen || chosen->empty()) {
                f.StatusBar1.panel[1] = "Event list not saved: no file name was chosen.";
                e.visible = false;
                break;
            }
            f.EventListPath = *chosen;
            if (WriteEventList(w, f.EventListPath)) {
                ReloadEventPanel(w);
                OfferConfigurationSave(w, f.EventRole + "Events.txt");
            }
            e.visible = false;
            break;
        }
        case 2:
            e.visible = false;
            break;
        default:
            break;
    }
}

}  // namespace varnel
