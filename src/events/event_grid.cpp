#include "events/event_grid.h"

#include <algorithm>
#include <stdexcept>

#include "events/event_files.h"
#include "events/store_of_station.h"
#include "lists/selection.h"
#include "platform/numbers.h"
#include "platform/strings.h"

namespace varnel {

namespace {

std::string SharedLog(const ActivityForm& f) {
    return f.dataFolder + f.Text1[0].text + "Events.csv";
}

// The grid's comment column shows the comments up to the first comma typed into them.
std::string GridComment(const LoggedEvent& e) {
    return e.comments.substr(0, e.comments.find(','));
}

// Row from a logged event: local date and time, as the preload shows them; throws
// std::out_of_range past the grid's last row.
void FillRow(Grid& g, int row, const LoggedEvent& e, bool shortPosition, bool withComments) {
    const std::string* v[] = {&e.number, &e.stndLine, &e.stndSta, &e.dateLoc,         &e.timeLoc,
                              &e.event,  &e.lat,      &e.lon,     &e.operatorInitials};
    for (int c = 0; c < 9; ++c) g.Cell(row, c) = *v[c];
    g.Cell(row, 9) = withComments ? GridComment(e) : "";
    if (shortPosition) {
        g.Cell(row, 6) = Left(e.lat, 6);
        g.Cell(row, 7) = Left(e.lon, 7);
    }
}

}  // namespace

void PreloadEvents(CruiseReader& cruise, ActivityForm& f) {
    auto& g = f.EventLog;
    f.gridRow = 0;
    try {
        auto lines = cruise.CruiseLines();
        for (const auto& l : lines)
            if (l.size() >= 11) f.LastEventLine = l;
        const LoggedEvent last = ParseLogLine(f.LastEventLine, NavigationColumnsRead::Skipped);
        float lastLine = static_cast<float>(Val(last.stndLine)), lastSta = static_cast<float>(Val(last.stndSta));
        const std::string& mode = f.PreloadMode;
        if (mode == "LASTEVENT") {
            FillRow(g, 1, last, false, true);
            f.gridRow = 2;
        } else if (mode == "CURRENTSTA" || mode == "LASTSTA") {
            bool current = mode == "CURRENTSTA";
            float line = current ? static_cast<float>(Val(f.Combo3.text)) : lastLine;
            float sta = current ? static_cast<float>(Val(f.Combo4.text)) : lastSta;
            int row = 1;
            for (const auto& l : lines) {
                const LoggedEvent e = ParseLogLine(l, NavigationColumnsRead::Skipped);
                if (static_cast<float>(Val(e.stndLine)) == line && static_cast<float>(Val(e.stndSta)) == sta) {
                    FillRow(g, row, e, current, false);
                    f.gridRow = ++row;
                }
            }
        } else if (mode == "ALLEVENTS") {
            int row = 1;
            for (size_t i = 1; i < lines.size(); ++i) {
                FillRow(g, row, ParseLogLine(lines[i], NavigationColumnsRead::Skipped), false, false);
                f.gridRow = ++row;
            }
        }
    } catch (const std::exception&) {
        // a preload that fails ends silently with the rows filled so far
    }
}

void ChoosePreloadMode(Workstation& w, const std::string& mode) {
    auto& m = w.frmActivity.menu;
    MenuItem* items[] = {&m.mnuLastEvent, &m.mnuCurrSta, &m.mnuLastSta, &m.mnuAllEvents};
    const char* words[] = {"LASTEVENT", "CURRENTSTA", "LASTSTA", "ALLEVENTS"};
    for (int i = 0; i < 4; ++i) {
        if (mode != words[i]) continue;
        if (items[i]->checked) return;
        for (auto* it : items) it->checked = false;
        items[i]->checked = true;
        w.frmActivity.PreloadMode = mode;
        w.cfg.SetPreloadMode(mode);
    }
}

void EventLog_DblClick(Workstation& w, int row) {
    auto& f = w.frmActivity;
    if (!w.AskYes("Do you want to edit the entry you double-clicked? Y/N", "Edit selected row-activity.")) return;
    if (row < 1 || row >= f.EventLog.rows) return;
    f.Timer1.enabled = false;
    f.EventLog.row = row;
    auto& g = f.EventLog;
    f.Text1[5].text = g.Cell(row, 0);
    f.Combo3.text = g.Cell(row, 1);
    f.Combo4.text = g.Cell(row, 2);
    f.Text1[1].text = g.Cell(row, 3);
    f.Text1[2].text = g.Cell(row, 4);
    f.Combo1.text = g.Cell(row, 5);
    ShowEventInPanel(f);
    f.Text1[3].text = g.Cell(row, 6);
    f.Text1[4].text = g.Cell(row, 7);
    f.Combo2.text = g.Cell(row, 8);
    f.txtComments.text = "Comments: " + g.Cell(row, 9);
    f.EditingRow = true;
}

void Text1_DblClick(Workstation& w) {
    auto& f = w.frmActivity;
    if (w.prompts.MsgBox("This field is auto-incremented by the program! Manual entry override? Y/N?", Buttons::YesNo,
                         Icon::Error, "Enter Event Number Manually Y/N?") != Answer::Yes)
        return;
    f.Text1[5].locked = false;
    f.ManualEventNumber = true;
}

void ExportEventsOnly(Workstation& w) {
    auto& f = w.frmActivity;
    std::string log = SharedLog(f);
    std::string out = f.dataFolder + f.Text1[0].text + "EventsNOMET.csv";
    if (!w.files().Exists(log)) {
        w.Msg("Unable to find " + log + " - no events-only file was made.", Icon::Exclamation);
        return;
    }
    try {
        auto lines = w.files().ReadLines(log);
        std::vector<std::string> extract;
        extract.reserve(lines.size());
        long n = 0;
        for (const auto& l : lines) extract.push_back(ExtractLine(l, ++n));
        w.files().ReplaceLines(out, extract);
    } catch (const FileError& e) {
        w.Msg("Unable to make " + out + ": " + e.what(), Icon::Exclamation);
        return;
    }
    w.Msg("Events Only File created...");
}

void MakeRoomInGrid(ActivityForm& f) {
    auto& g = f.EventLog;
    if (g.rows < 3 || f.gridRow < g.rows) return;
    std::rotate(g.cells.begin() + 1, g.cells.begin() + 2, g.cells.end());
    for (auto& cell : g.cells.back()) cell.clear();
    f.gridRow = g.rows - 1;
}

void PutLastEventInGrid(ActivityForm& f, const std::string& line) {
    const LoggedEvent e = ParseLogLine(line, NavigationColumnsRead::Skipped);
    auto& g = f.EventLog;
    if (f.gridRow == 0) f.gridRow = 1;  // as Record Event does: row 0 is the header
    MakeRoomInGrid(f);
    int r = f.gridRow;
    // Another station's event shows its UTC date and time.
    const std::string* v[] = {&e.number, &e.stndLine, &e.stndSta, &e.dateUtc,         &e.timeUtc,
                              &e.event,  &e.lat,      &e.lon,     &e.operatorInitials};
    for (int c = 0; c < 9; ++c) g.Cell(r, c) = *v[c];
    g.Cell(r, 9) = GridComment(e);
    f.gridRow = r + 1;
    g.row = f.gridRow;
    f.NextEventNumber = ToInt16(Val(e.number) + 1);
    f.Text1[5].text = IntText(f.NextEventNumber);
}

}  // namespace varnel
