#include "events/event_grid.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "events/event_files.h"
#include "events/store_of_station.h"
#include "lists/selection.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "record/corrections.h"

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

// The log's lines read with their corrections: for each line, the line it is shown as
// (an edited event as its latest form, in the place of the line that added it), or
// nothing for the line of an erased event or an earlier form of an edited one. A line
// that holds no event is shown as it is.
std::vector<std::optional<size_t>> ShownLines(const std::vector<std::string>& lines) {
    Corrections corrections;
    std::vector<size_t> taken(lines.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        auto line = CorrectionLineOfLogLine(lines[i]);
        if (!line) continue;
        taken[i] = corrections.Size();
        corrections.Take(std::move(*line));
    }
    std::vector<size_t> lineOf;
    lineOf.reserve(corrections.Size());
    for (size_t i = 0; i < lines.size(); ++i)
        if (taken[i] < lines.size()) lineOf.push_back(i);
    std::vector<std::optional<size_t>> shown(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (taken[i] == lines.size()) {
            shown[i] = i;
        } else if (auto now = corrections.Shown(taken[i])) {
            shown[i] = lineOf[*now];
        }
    }
    return shown;
}

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
        } else if (mode == "CURRENTSTA" || mode == "LASTSTA" || mode == "ALLEVENTS") {
            const bool current = mode == "CURRENTSTA", all = mode == "ALLEVENTS";
            float line = current ? static_cast<float>(Val(f.Combo3.text)) : lastLine;
            float sta = current ? static_cast<float>(Val(f.Combo4.text)) : lastSta;
            const auto shown = ShownLines(lines);
            int row = 1;
            for (size_t i = all ? 1 : 0; i < lines.size(); ++i) {
                if (!shown[i]) continue;
                const LoggedEvent e = ParseLogLine(lines[*shown[i]], NavigationColumnsRead::Skipped);
                if (all || (static_cast<float>(Val(e.stndLine)) == line && static_cast<float>(Val(e.stndSta)) == sta)) {
                    FillRow(g, row, e, current, false);
                    f.gridRow = ++row;
                }
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

// The event a grid row shows, as far as the corrections read it: its number, operator,
// time and comments.
LoggedEvent RowEvent(const Grid& g, int row) {
    LoggedEvent e;
    e.number = g.Cell(row, 0);
    e.dateUtc = g.Cell(row, 3);
    e.timeUtc = g.Cell(row, 4);
    e.event = g.Cell(row, 5);
    e.operatorInitials = g.Cell(row, 8);
    e.comments = g.Cell(row, 9);
    return e;
}

void PutLastEventInGrid(ActivityForm& f, const std::string& line) {
    const LoggedEvent e = ParseLogLine(line, NavigationColumnsRead::Skipped);
    auto& g = f.EventLog;
    if (f.gridRow == 0) f.gridRow = 1;  // as Record Event does: row 0 is the header
    // Another station's Clear Last reuses the row of the event it erased, as the grid of
    // that station does; its edit replaces the row it edits.
    Corrections shown;
    std::vector<int> rowOf;
    for (int r = 1; r < f.gridRow && r < g.rows; ++r)
        if (!Trim(g.Cell(r, 0)).empty()) {
            shown.Take(CorrectionLineOf(RowEvent(g, r)));
            rowOf.push_back(r);
        }
    const CorrectionTaken taken = shown.Take(CorrectionLineOf(e));
    int r = 0;
    if (taken.replaces) r = rowOf[*taken.replaces];
    for (size_t erased : taken.erased) {
        r = r ? r : rowOf[erased];
        for (int c = 0; c < 10; ++c) g.Cell(rowOf[erased], c).clear();
    }
    if (!r) {
        MakeRoomInGrid(f);
        r = f.gridRow;
        f.gridRow = r + 1;
    }
    // Another station's event shows its UTC date and time.
    const std::string* v[] = {&e.number, &e.stndLine, &e.stndSta, &e.dateUtc,         &e.timeUtc,
                              &e.event,  &e.lat,      &e.lon,     &e.operatorInitials};
    for (int c = 0; c < 9; ++c) g.Cell(r, c) = *v[c];
    g.Cell(r, 9) = GridComment(e);
    g.row = f.gridRow;
    f.NextEventNumber = ToInt16(Val(e.number) + 1);
    f.Text1[5].text = IntText(f.NextEventNumber);
}

}  // namespace varnel
