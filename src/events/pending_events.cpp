#include "events/pending_events.h"

#include <set>

#include "events/event_files.h"
#include "platform/strings.h"

namespace varnel {

namespace {

const size_t kTailBytes = 1 << 20;  // a few thousand lines: far more than can wait

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::vector<std::string> Unescape(const std::string& line) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            char n = line[++i];
            fields.back() += n == 't' ? '\t' : n == 'r' ? '\r' : n == 'n' ? '\n' : n;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string EntryLine(const PendingEvent& e) {
    const std::string fields[] = {e.localOperation ? "local" : "network",
                                  e.number,
                                  e.localLog,
                                  e.localLine,
                                  e.sharedLog,
                                  e.sharedLine,
                                  e.roleLog,
                                  e.roleLine,
                                  e.html,
                                  e.htmlRow,
                                  e.project,
                                  e.cruise};
    std::string out;
    for (size_t i = 0; i < std::size(fields); ++i) out += (i ? "\t" : "") + Escape(fields[i]);
    return out;
}

// True when one of the last lines of the file is exactly `line`.
bool Holds(FileSystem& fs, const std::string& path, const std::string& line) {
    if (!fs.Exists(path)) return false;
    auto lines = SplitLines(fs.ReadTail(path, kTailBytes));
    for (auto& l : lines)
        if (l == line) return true;
    return false;
}

}  // namespace

std::string PendingJournalPath(const ActivityForm& f) {
    return f.homeFolder + "PendingEvents.txt";
}

std::vector<PendingEvent> ReadPendingEvents(FileSystem& fs, const std::string& journal) {
    std::vector<PendingEvent> out;
    if (!fs.Exists(journal)) return out;
    for (auto& line : fs.ReadLines(journal)) {
        auto v = Unescape(line);
        if (v.size() < 12) continue;  // a line cut short by a crash while it was added
        out.push_back({v[0] == "local", v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]});
    }
    return out;
}

void AddPendingEvent(FileSystem& fs, const std::string& journal, const PendingEvent& e) {
    fs.AppendLines(journal, {EntryLine(e)}, true);
}

void SendPendingEvent(FileSystem& fs, const PendingEvent& e) {
    if (!e.html.empty()) {
        bool present = false;
        if (fs.Exists(e.html))
            for (auto& l : fs.ReadLines(e.html)) present = present || l == e.htmlRow;
        if (!present) AppendHtmlRow(fs, e.html, e.htmlRow, e.project, e.cruise);
    }
    if (!Holds(fs, e.sharedLog, e.sharedLine)) fs.AppendLines(e.sharedLog, {e.sharedLine});
    if (!fs.Exists(e.roleLog))
        fs.AppendLines(e.roleLog, {kRoleHeader, e.roleLine});
    else if (!Holds(fs, e.roleLog, e.roleLine))
        fs.AppendLines(e.roleLog, {e.roleLine});
}

void DropPendingEvents(FileSystem& fs, const std::string& journal, size_t count) {
    auto lines = fs.ReadLines(journal);
    if (count >= lines.size()) {
        fs.Remove(journal);
        return;
    }
    fs.ReplaceLines(journal, std::vector<std::string>(lines.begin() + static_cast<long>(count), lines.end()));
}

void ShowWaitingEvents(Workstation& w, size_t waiting) {
    auto& f = w.frmActivity;
    if (waiting == 0) {
        f.StatusBar1.panel[7].clear();
        return;
    }
    f.waitingReported = true;
    f.StatusBar1.panel[7] = std::to_string(waiting) + (waiting == 1 ? " event waits" : " events wait") +
                            " for the shared folder " + f.dataFolder;
    f.StatusBar1.panelTooltip[7] =
        "Saved on this station. Sent to the shared cruise log, role log and HTML table as soon as the shared "
        "folder can be written again.";
}

bool SendWaitingEvents(Workstation& w, bool keepNewest) {
    auto& f = w.frmActivity;
    auto& fs = w.files();
    const std::string journal = PendingJournalPath(f);
    std::vector<PendingEvent> waiting;
    try {
        waiting = ReadPendingEvents(fs, journal);
    } catch (const FileError&) {
        return false;
    }
    if (keepNewest && !waiting.empty()) waiting.pop_back();
    if (!waiting.empty()) f.waitingReported = true;  // the operator hears when they are all sent
    if (waiting.empty() || !f.NetworkMode) {
        if (!keepNewest) ShowWaitingEvents(w, waiting.size());
        return waiting.empty();
    }
    // Numbers drawn in local operation may have been drawn by other stations meanwhile:
    // say so once; the events keep the numbers written on paper and sample labels.
    std::set<std::string> local;
    for (auto& e : waiting)
        if (e.localOperation) local.insert(e.number);
    if (!local.empty() && !f.collisionsReported) {
        std::set<std::string> used;
        try {
            for (auto& line : fs.Exists(waiting.front().sharedLog) ? fs.ReadLines(waiting.front().sharedLog)
                                                                   : std::vector<std::string>{}) {
                auto a = line.find(',');
                if (a == std::string::npos) continue;
                auto b = line.find(',', a + 1);
                used.insert(line.substr(a + 1, b == std::string::npos ? b : b - a - 1));
            }
        } catch (const std::exception&) {
            return false;  // the shared folder is not back yet
        }
        std::string twice;
        for (auto& n : local)
            if (used.count(n)) twice += (twice.empty() ? "" : ", ") + n;
        if (!twice.empty())
            w.Msg(
                "Events recorded in local operation are being sent to the shared cruise log. These numbers are "
                "already used there by other stations: " +
                    twice +
                    ". The events are sent with the numbers they were recorded with; note the double numbers "
                    "in the cruise's paper log.",
                Icon::Exclamation);
        f.collisionsReported = true;
    }
    size_t sent = 0;
    try {
        for (auto& e : waiting) {
            // An entry whose event never reached the local log was cut short before it
            // was saved: there is nothing to send.
            if (Holds(fs, e.localLog, e.localLine)) SendPendingEvent(fs, e);
            DropPendingEvents(fs, journal, 1);
            ++sent;
        }
    } catch (const FileError&) {
        f.waitingSent += sent;
        ShowWaitingEvents(w, waiting.size() - sent + (keepNewest ? 1 : 0));
        return false;
    }
    ShowWaitingEvents(w, 0);
    if (f.waitingReported) {
        f.waitingSent += sent;
        w.Msg((f.waitingSent == 1 ? std::string("The event that waited for the shared folder ") + f.dataFolder + " is"
                                  : "All " + std::to_string(f.waitingSent) +
                                        " events that waited for the shared folder " + f.dataFolder + " are") +
              " now in the shared cruise log, role log and HTML table.");
        f.waitingReported = false;
        f.waitingSent = 0;
    }
    f.collisionsReported = false;
    return true;
}

}  // namespace varnel
