#include "events/event_files.h"

#include <cstring>
#include <optional>

#include "events/event_number.h"
#include "events/pending_events.h"
#include "platform/datetime.h"
#include "platform/numbers.h"
#include "platform/shared_file_lock.h"
#include "platform/strings.h"
#include "text/number_text.h"

namespace varnel {

std::string CommentsField(const std::string& box) {
    if (!Contains(box, "Comments:")) return "";
    return Trim(ReplaceAll(box, "Comments:", ""));
}

LoggedEvent EventOnScreen(const ActivityForm& f, const DateTime& clock) {
    LoggedEvent e;
    e.cruise = f.Text1[0].text;
    e.number = f.Text1[5].text;
    e.stndLine = f.Combo3.text;
    e.stndSta = f.Combo4.text;
    e.calcLine = f.CalcLine;
    e.calcSta = f.CalcSta;
    e.dateLoc = DateLoc(clock);
    e.timeLoc = LongTime(clock);
    e.lat = f.Text1[3].text;
    e.lon = f.Text1[4].text;
    e.latPrecise = f.DecLat;
    e.lonPrecise = f.DecLon;
    e.activity = f.Activity;
    e.event = Trim(f.Combo1.text);
    e.operatorInitials = Trim(f.Combo2.text);
    e.dateUtc = f.Text1[1].text;
    e.timeUtc = f.Text1[2].text;
    e.comments = CommentsField(f.txtComments.text);
    e.ordOcc = f.OrdOcc;
    e.navigation = NavigationColumns(f.metItems);
    return e;
}

std::string CtdPrefix(const std::string& cruise) {
    return cruise.size() > 4 ? Left(Trim(cruise), 4) : cruise;
}

namespace {

const size_t kHtmlLimit = 3000, kHtmlHead = 8;

// "/TABLE" in any case at position i.
bool IsTableEnd(const std::string& text, size_t i) {
    static const char word[] = "/TABLE";
    if (i + 6 > text.size()) return false;
    for (size_t k = 1; k < 6; ++k)
        if ((text[i + k] & ~0x20) != word[k]) return false;  // ASCII letters in either case
    return true;
}

// The table with the row added, worked on its bytes: only for a table as this program
// writes it (CR LF line ends, no blank line, the closing lines at its end); any other
// table goes the line-by-line way. Past the limit the head and the newest rows stay.
std::optional<std::string> SpliceHtmlRow(const std::string& text, const std::string& row) {
    static const std::string tail = "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
    if (text.size() < tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        return std::nullopt;
    const size_t body = text.size() - tail.size();  // where the closing lines start
    const char* data = text.data();
    std::vector<size_t> starts{0};  // where each line starts
    for (size_t from = 0; from < body;) {
        auto* cr = static_cast<const char*>(std::memchr(data + from, '\r', body - from));
        if (!cr || cr + 1 >= data + text.size() || cr[1] != '\n') return std::nullopt;
        const size_t end = static_cast<size_t>(cr - data);
        std::string_view line(data + from, end - from);
        if (line.find('\n') != line.npos || line.find_first_not_of(" \t") == line.npos) return std::nullopt;
        for (size_t k = line.find('/'); k != line.npos; k = line.find('/', k + 1))
            if (IsTableEnd(text, from + k)) return std::nullopt;
        from = end + 2;
        starts.push_back(from);
    }
    if (starts.back() != body) return std::nullopt;  // the closing lines do not start a line
    const size_t kept = starts.size() - 1;           // lines before the closing lines
    std::string out;
    out.reserve(text.size() + row.size() + 2);
    if (kept > kHtmlLimit - 1 && kept > kHtmlHead) {
        out.append(text, 0, starts[kHtmlHead]);
        out.append(text, starts[kept - (kHtmlLimit - 1 - kHtmlHead)],
                   body - starts[kept - (kHtmlLimit - 1 - kHtmlHead)]);
    } else {
        out.append(text, 0, body);
    }
    out += row;
    out += "\r\n";
    out += tail;
    return out;
}

}  // namespace

void AppendHtmlRow(FileSystem& fs, const std::string& path, const std::string& row, const std::string& project,
                   const std::string& cruise) {
    if (!fs.Exists(path)) {
        fs.ReplaceLines(path, {"<HTML>", "<HEAD>", "<TITLE>" + project + " " + cruise + " EVENT LOG</TITLE>", "</HEAD>",
                               "<BODY>", "<H2><CENTER>" + project + " " + cruise + " EVENT LOG</CENTER></H2>",
                               "<TABLE BORDER=1 CELLSPACING=1>",
                               "<TR><TH>STUDY<TH>Event#<TH>Line<TH>Sta<TH>UTC_Date<TH>UTC_Time<TH>Latitude<TH>"
                               "Longitude<TH>Activity<TH>Event<TH>Init.<TH>Loc_Date<TH>Loc_Time<TH>Comments<TH>"
                               "Ord_Occ",
                               row, "</TABLE>", "</BODY>", "</HTML>"});
        return;
    }
    std::string text = fs.ReadAll(path);
    if (auto spliced = SpliceHtmlRow(text, row)) {
        fs.ReplaceText(path, *spliced);
        return;
    }
    std::vector<std::string> kept;
    for (auto& line : SplitLines(text)) {
        if (Trim(line).empty()) continue;
        if (Contains(UCase(line), "/TABLE")) break;
        kept.push_back(line);
    }
    // A table that would pass 3000 lines keeps its head and its newest rows; every
    // row stays in the cruise logs.
    const size_t limit = kHtmlLimit, head = kHtmlHead;
    if (kept.size() > limit - 1 && kept.size() > head) kept.erase(kept.begin() + head, kept.end() - (limit - 1 - head));
    kept.push_back(row);
    kept.insert(kept.end(), {"</TABLE>", "</BODY>", "</HTML>"});
    fs.ReplaceLines(path, kept);
}

namespace {

bool SavingAllowed(const ActivityForm& f) {
    return RecorderStateOf(f) == RecorderState::Saving || RecorderStateOf(f) == RecorderState::Ready;
}

// Appends one line, writing the header first when the file is new; both go out in one write.
void AppendWithHeader(FileSystem& fs, const std::string& path, const std::string& header, const std::string& line,
                      bool sync) {
    if (!fs.Exists(path))
        fs.AppendLines(path, {header, line}, sync);
    else
        fs.AppendLines(path, {line}, sync);
}

}  // namespace

namespace {

// The shared lines of the event on screen, as the shared files will hold them.
PendingEvent SharedLines(Workstation& w, const LoggedEvent& event) {
    auto& f = w.frmActivity;
    const std::string data = f.dataFolder;
    const std::string cruise = f.Text1[0].text;
    PendingEvent e;
    e.localOperation = !f.NetworkMode || f.drawnLocally;
    e.number = event.number;
    e.localLog = f.homeFolder + cruise + "Events.csv";
    e.localLine = LocalCruiseLogLine(event);
    e.sharedLog = data + cruise + "Events.csv";
    e.sharedLine = SharedCruiseLogLine(event);
    e.roleLog = data + cruise + f.EventRole + ".csv";
    e.roleLine = RoleLogLine(event);
    if (f.menu.mnuhtml.checked) {
        e.html = data + cruise + "Events.htm";
        e.htmlRow = HtmlTableRow(event);
        e.project = w.cfg.Project();
        e.cruise = cruise;
    }
    return e;
}

}  // namespace

void SaveEventLocal(Workstation& w) {
    auto& f = w.frmActivity;
    f.eventJournaled = false;
    if (!SavingAllowed(f)) return;
    const std::string home = f.homeFolder;
    const std::string cruise = f.Text1[0].text;
    const LoggedEvent event = EventOnScreen(f, w.services.Now());
    // The event goes into the journal first, so that its shared lines are sent later
    // if the shared writes do not all complete (events entered by hand with Auto-Fill
    // off stay on this station, as they always have).
    if (!f.NetworkMode || f.menu.mnuAuto.checked) {
        const std::string journal = PendingJournalPath(f);
        try {
            AddPendingEvent(w.files(), journal, SharedLines(w, event));
            f.eventJournaled = true;
            if (!f.NetworkMode || f.drawnLocally) ShowWaitingEvents(w, ReadPendingEvents(w.files(), journal).size());
        } catch (const FileError& e) {
            w.Msg("Unable to write " + journal + " (" + e.what() + "). Event " + f.Text1[5].text +
                      " is saved, but if the shared folder cannot take it now it will not be sent there later.",
                  Icon::Exclamation);
        }
    }
    auto attempt = [&](const std::string& path, auto&& write) {
        try {
            write();
        } catch (const FileError& e) {
            w.Msg("Unable to write " + path + " (" + e.what() + "). Event " + f.Text1[5].text +
                      " is NOT yet safe in that file; the other files hold it. Free the file or the disk "
                      "and record the event again.",
                  Icon::Exclamation);
        }
    };
    if (f.menu.mnuhtml.checked) {
        std::string path = home + cruise + "Events.htm";
        attempt(path, [&] { AppendHtmlRow(w.files(), path, HtmlTableRow(event), w.cfg.Project(), cruise); });
    }
    std::string log = home + cruise + "Events.csv";
    attempt(log, [&] { AppendWithHeader(w.files(), log, LocalHeader(), LocalCruiseLogLine(event), true); });
    std::string role = home + cruise + f.EventRole + ".csv";
    attempt(role, [&] { AppendWithHeader(w.files(), role, RoleHeader(), RoleLogLine(event), false); });
}

void SaveEventNetwork(Workstation& w) {
    auto& f = w.frmActivity;
    if (!SavingAllowed(f) || !f.menu.mnuAuto.checked) return;
    auto& fs = w.files();
    const std::string journal = PendingJournalPath(f);
    const std::string data = f.dataFolder;
    const std::string cruise = f.Text1[0].text;
    PendingEvent e = SharedLines(w, EventOnScreen(f, w.services.Now()));
    if (f.eventJournaled) {
        try {
            auto entries = ReadPendingEvents(fs, journal);
            if (!entries.empty()) e = entries.back();
        } catch (const FileError&) {
            f.eventJournaled = false;
        }
    }
    try {
        // Events that wait go first, so that the shared logs stay in order.
        if (f.eventJournaled && !SendWaitingEvents(w, true)) throw FileError("events are waiting");
        if (!e.html.empty()) AppendHtmlRow(fs, e.html, e.htmlRow, e.project, e.cruise);
        fs.AppendLines(e.sharedLog, {e.sharedLine});
        if (!f.EditingRow) fs.ReplaceLines(data + cruise + "LastEvent.csv", {e.sharedLine});
        AppendWithHeader(fs, e.roleLog, RoleHeader(), e.roleLine, false);
        if (f.eventJournaled) DropPendingEvents(fs, journal, 1);
        f.eventJournaled = false;
        for (size_t i = 1; i <= 200; ++i) f.metItems[i].clear();
        const std::string ev = f.Combo1.text;
        const std::string ctd = data + CtdPrefix(cruise) + "CTDATDEPTH.csv";
        if (Contains(ev, "CTD AT DEPTH")) {
            fs.ReplaceLines(ctd, {e.roleLine});
            f.CtdAtDepth = true;
        } else if (Contains(ev, "CTD RECOVERED") && f.CtdAtDepth) {
            f.CtdAtDepth = false;
        } else if (Contains(ev, "CTD DEPLOYED") && !f.CtdAtDepth) {
            fs.ReplaceLines(ctd, {e.roleLine});
        }
    } catch (const FileError&) {
        w.Msg("Unable to write to Network Drive!  Saved locally (" + f.homeFolder + cruise + "Events.csv)");
        try {
            ShowWaitingEvents(w, ReadPendingEvents(fs, journal).size());
        } catch (const FileError&) {
        }
    }
}

std::string OrderOccPath(const ActivityForm& f) {
    return f.dataFolder + "OrderOcc.txt";
}

void ReadOrderOcc(Workstation& w, std::string& result) {
    auto& f = w.frmActivity;
    std::string path = OrderOccPath(f);
    f.menu.mnuOrderOccFile.caption = path;
    try {
        if (w.files().Exists(path)) {
            auto lines = w.files().ReadLines(path);
            result = lines.empty() ? "" : lines.front();
            f.StatusBar1.panel[6] = "OrderOcc: " + result;
        } else {
            w.files().ReplaceLines(path, {"1"});
            result = "1";
        }
    } catch (const FileError&) {
        // stops silently; the result stays as it was
    }
}

void NextOrderOcc(Workstation& w, std::string& result) {
    auto& f = w.frmActivity;
    std::string path = OrderOccPath(f);
    try {
        if (!w.files().Exists(path)) {
            result = "-99";
            return;
        }
        SharedFileLock lock(w.services, path, ShowLockWait(f, path));
        auto lines = w.files().ReadLines(path);
        result = NumText(Val(lines.empty() ? "" : lines.front()) + 1);
        w.files().ReplaceLines(path, {result});
        f.StatusBar1.panel[6] = "Order_Occ: " + result;
    } catch (const FileError&) {
        result = "-99";
    }
}

void SaveGridToIns(Workstation& w) {
    auto& f = w.frmActivity;
    std::vector<std::string> lines;
    for (int r = 1; r <= f.gridRow && r < f.EventLog.rows; ++r) {
        std::string line;
        for (int c = 0; c < 10; ++c) line += (c ? "," : "") + f.EventLog.Cell(r, c);
        lines.push_back(line);
    }
    try {
        w.files().AppendLines(f.homeFolder + f.Text1[0].text + "Events.ins", lines, true);
    } catch (const FileError&) {
        // stops silently at the first error
    }
}

}  // namespace varnel
