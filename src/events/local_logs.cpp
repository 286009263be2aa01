#include "events/local_logs.h"

#include <algorithm>

#include "events/pending_events.h"
#include "forms/notices.h"
#include "record/html_table.h"
#include "record/log_line.h"

namespace varnel {

namespace {

std::string Events(size_t n) {
    return std::to_string(n) + (n == 1 ? " event" : " events");
}

std::string SpaceText(std::optional<unsigned long long> bytes) {
    if (!bytes) return "free space unknown";
    if (*bytes < 1024 * 1024) return std::to_string(*bytes / 1024) + " KB free";
    return std::to_string(*bytes / (1024 * 1024)) + " MB free";
}

}  // namespace

bool WriteLocalFiles(FileSystem& fs, const PendingEvent& e, bool again, std::vector<std::string>& failed) {
    bool whole = true;
    auto attempt = [&](const std::string& path, const std::string& line, auto&& write) {
        try {
            if (!again || !EndHolds(fs, path, line)) write();
        } catch (const FileError& x) {
            whole = false;
            failed.push_back(x.what());
        }
    };
    if (!e.localHtml.empty())
        attempt(e.localHtml, e.htmlRow, [&] { AppendHtmlRow(fs, e.localHtml, e.htmlRow, e.project, e.cruise); });
    attempt(e.localLog, e.localLine, [&] { AppendWithHeader(fs, e.localLog, LocalHeader(), e.localLine, true); });
    attempt(e.localRoleLog, e.roleLine, [&] { AppendWithHeader(fs, e.localRoleLog, RoleHeader(), e.roleLine); });
    return whole;
}

bool CompleteLocalLogs(Workstation& w) {
    auto& f = w.frmActivity;
    auto& held = HeldEvents(w);
    size_t written = 0;
    std::vector<std::string> failed;
    for (size_t i = 0; i < held.size();) {
        PendingEvent& e = held[i];
        if (!e.LacksLocal()) {
            ++i;
            continue;
        }
        if (!WriteLocalFiles(w.files(), e, true, failed)) break;  // later events wait, to keep the order
        ++written;
        if (e.lacks == Lacks::Both) {
            e.lacks = Lacks::Shared;
            ++i;
        } else {
            held.erase(held.begin() + static_cast<long>(i));
        }
    }
    if (written || f.journalBehind) SaveHeldEvents(w);
    const bool complete = std::none_of(held.begin(), held.end(), [](const auto& e) { return e.LacksLocal(); });
    if (written && complete)
        f.StatusBar1.panel[1] =
            "The local logs in " + f.homeFolder + " are complete again (" + Events(written) + " written).";
    if (complete && !f.journalBehind) f.localFailReported = false;
    ReportHomeFailure(w, failed);
    ShowLocalNotices(w);
    return complete;
}

void ReportHomeFailure(Workstation& w, const std::vector<std::string>& failed) {
    auto& f = w.frmActivity;
    if (failed.empty() || f.localFailReported) return;
    f.localFailReported = true;
    std::string what;
    for (const auto& x : failed) what += "\r" + x;
    const auto lacking = std::find_if(f.held.begin(), f.held.end(), [](const auto& e) { return e.LacksLocal(); });
    const bool logsLack = lacking != f.held.end();
    const std::string number = logsLack ? lacking->number : f.Text1[5].text;
    w.Msg("The station's folder " + f.homeFolder + " cannot be written (" +
              SpaceText(w.files().FreeBytes(f.homeFolder)) + "):" + what + "\r" +
              (logsLack ? "Event " + number +
                              " and those after it are kept by the program and written to the local cruise log, role "
                              "log and HTML table, in order, as soon as the folder can be written again. Do not "
                              "record them again. The status bar stays red until then."
                        : "Event " + number +
                              " is in the local logs. Until the folder can be written again, the events that wait "
                              "for the shared folder are kept by the program only: free the disk before quitting."),
          Icon::Exclamation);
}

void ReportTornLine(Workstation& w, const FileError& failure) {
    if (dynamic_cast<const TornLineError*>(&failure))
        w.Msg(std::string(failure.what()) +
                  ". The event is written whole when the folder can take it; the cruise report lists the torn line.",
              Icon::Exclamation);
}

void ShowLocalNotices(Workstation& w) {
    auto& f = w.frmActivity;
    size_t behind = 0;
    for (const auto& e : f.held) behind += e.LacksLocal();
    if (behind)
        PostNotice(f, Notice::LocalLogsBehind, Events(behind) + " not yet in the local logs " + f.homeFolder,
                   "Kept by the program and written to the local cruise log, role log and HTML table, in order, as "
                   "soon as the folder can be written again. Do not record them again.");
    else
        ClearNotice(f, Notice::LocalLogsBehind);
    if (const size_t nowhere = EventsSavedNowhere(f))
        PostNotice(f, Notice::NotSavedAnywhere, Events(nowhere) + " not yet saved in any log",
                   "Neither the station's folder " + f.homeFolder + " nor the shared folder " + f.dataFolder +
                       " can take them now. The program keeps them and writes them as soon as a folder can be "
                       "written again; quitting now can lose them.");
    else
        ClearNotice(f, Notice::NotSavedAnywhere);
}

size_t EventsSavedNowhere(const ActivityForm& f) {
    return static_cast<size_t>(
        std::count_if(f.held.begin(), f.held.end(), [](const auto& e) { return e.lacks == Lacks::Both; }));
}

bool MayQuitWithHeldEvents(Workstation& w) {
    const size_t n = EventsSavedNowhere(w.frmActivity);
    if (n == 0) return true;
    return w.AskYes((n == 1 ? std::string("1 event is") : std::to_string(n) + " events are") +
                        " not yet saved in any log. Quit anyway? Y/N",
                    "Events not saved! Quit anyway?", Icon::Warning, Answer::No);
}

}  // namespace varnel
