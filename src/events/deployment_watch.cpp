#include "events/deployment_watch.h"

#include <cstdlib>

#include "config/configuration.h"
#include "events/store_of_station.h"
#include "platform/datetime.h"
#include "platform/strings.h"
#include "record/deployments.h"
#include "record/log_line.h"
#include "text/split_fields.h"

namespace varnel {

namespace {

constexpr long long kSnoozeS = 30 * 60;
// The operator's answers to the overdue notice, kept for the operations still open.
constexpr const char* kAnswersFile = "DeployNotices.txt";

long long NowS(Workstation& w) {
    return EpochSeconds(w.services.UtcNow());
}

// Takes the whole events the followed cruise log gained since the last read; a log that
// is another one now, or shorter (a new cruise, a replaced file), is read from its start.
void FollowCruiseLog(Workstation& w) {
    auto& b = w.frmActivity.deployments;
    try {
        long long now = NowS(w);
        bool first = true;
        auto clearOnStartOver = [&] {
            if (first && b.followed.startedOver) {
                b.events.clear();
                b.position.clear();
                b.corrections = {};
            }
            first = false;
        };
        FollowedStore(w)->EventsSince(b.followed, [&](const LoggedEvent& e) {
            clearOnStartOver();
            if (HoldsEvent(e)) NoteLoggedEvent(b, e, now);
        });
        clearOnStartOver();
    } catch (const std::exception&) {
        // The shared folder is away: the strip keeps what it knows; the event files
        // report the folder themselves.
    }
}

std::string Clock(long long s) {
    DateTime t = AddMilliseconds(DateTime{1970, 1, 1, 0, 0, 0}, s * 1000);
    return DateLoc(t).substr(0, 6) + " " + LongTime(t).substr(0, 5);
}

std::string Describe(const OpenOperation& o) {
    return o.start.activity + " at " + o.start.line + " / " + o.start.station;
}

void ShowDeployments(Workstation& w) {
    auto& f = w.frmActivity;
    auto& b = f.deployments;
    const long long now = NowS(w);
    auto open = OpenOperations(b, now);
    auto& g = f.Deployments;
    std::vector<std::string> head(g.cells.at(0));
    g.Resize(static_cast<int>(open.size()) + 1, 5);
    g.cells[0] = head;
    g.rowAlert.assign(open.size() + 1, false);
    std::vector<const OpenOperation*> overdue;
    for (size_t i = 0; i < open.size(); ++i) {
        const auto& o = open[i];
        g.cells[i + 1] = {o.start.activity, o.start.line + " / " + o.start.station, Clock(o.start.startS),
                          DurationText(now - o.start.startS) + (o.overdue ? " OVERDUE" : ""), o.start.operatorInitials};
        g.rowAlert[i + 1] = o.overdue;
        if (o.overdue) overdue.push_back(&o);
    }
    f.lblDeployments.caption = open.empty() ? "In the water: nothing"
                                            : "In the water: " + std::to_string(open.size()) + " open, " +
                                                  std::to_string(overdue.size()) + " overdue";
    // A line of the expected times that could not be read stays named above the strip
    // (the status bar's first panel is soon taken by the tick's own notes).
    if (!b.durationsNote.empty())
        f.lblDeployments.caption +=
            "  (" + std::string(kHomeFolder) + "Deployments.txt: " + b.durationsNote + "; left out)";

    // The notice goes away when its operation is no longer open.
    auto isOpen = [&](const std::string& n) {
        for (const auto& o : open)
            if (o.start.number == n) return true;
        return false;
    };
    if (f.DeployNotice.visible && !isOpen(f.noticeNumber)) f.DeployNotice.visible = false;
    auto& bar = f.StatusBar1;
    bar.panel[9].clear();
    bar.panelAlert[9] = false;
    if (overdue.empty()) return;
    const auto& first = *overdue.front();
    bar.panel[9] = "OVERDUE: " + first.start.activity + ", " + DurationText(now - first.start.startS) +
                   (overdue.size() > 1 ? " (+" + std::to_string(overdue.size() - 1) + ")" : "");
    bar.panelAlert[9] = true;
    bar.panelTooltip[9] = Describe(first) + " has been in the water " + DurationText(now - first.start.startS) +
                          "; it was expected back within " + DurationText(first.minutes * 60) +
                          ". Log the recovery when it is on deck; the expected times are in " +
                          std::string(kHomeFolder) + "Deployments.txt.";
    if (f.DeployNotice.visible) return;
    for (const auto* o : overdue) {
        const std::string& n = o->start.number;
        auto snooze = b.snoozedUntil.find(n);
        if (b.noticed.count(n) || (snooze != b.snoozedUntil.end() && now < snooze->second)) continue;
        b.noticed.insert(n);
        f.noticeNumber = n;
        f.DeployNotice.visible = true;
        f.DeployNotice.caption = Describe(*o) + " (event " + n + ", " + o->start.operatorInitials + ") went in at " +
                                 Clock(o->start.startS) + " UTC and has been in the water " +
                                 DurationText(now - o->start.startS) + "; it was expected back within " +
                                 DurationText(o->minutes * 60) + ". Log its recovery when it is on deck.";
        return;
    }
}

// One line per open operation the operator answered, comma-separated: its number, when it went in (UTC
// seconds, so that a number of another cruise is not taken for it) and "ok" or the UTC
// second a snooze ends.
void KeepNoticeAnswers(Workstation& w) {
    auto& b = w.frmActivity.deployments;
    const std::string path = std::string(kHomeFolder) + kAnswersFile;
    std::vector<std::string> lines;
    for (const auto& o : OpenOperations(b, NowS(w))) {
        const std::string& n = o.start.number;
        auto snooze = b.snoozedUntil.find(n);
        std::string answer = b.noticed.count(n)               ? "ok"
                             : snooze != b.snoozedUntil.end() ? std::to_string(snooze->second)
                                                              : "";
        if (!answer.empty()) lines.push_back(n + "," + std::to_string(o.start.startS) + "," + answer);
    }
    try {
        if (!lines.empty() || w.files().Exists(path)) w.files().ReplaceLines(path, lines);
    } catch (const std::exception& e) {
        w.frmActivity.StatusBar1.panel[1] =
            "Unable to write " + path + " (" + e.what() + "): the notice's answer holds until the program ends.";
    }
}

// The answers a previous run kept, for the operations open now.
void ReadNoticeAnswers(Workstation& w) {
    auto& b = w.frmActivity.deployments;
    const std::string path = std::string(kHomeFolder) + kAnswersFile;
    std::vector<std::string> lines;
    try {
        if (w.files().Exists(path)) lines = w.files().ReadLines(path);
    } catch (const std::exception&) {
        return;  // an unreadable file: the notices show again, as after a first start
    }
    for (const auto& o : OpenOperations(b, NowS(w)))
        for (const auto& line : lines) {
            std::vector<std::string_view> f;
            LeadingFields(line, 3, f);
            if (f.size() < 3 || f[0] != o.start.number || f[1] != std::to_string(o.start.startS)) continue;
            if (f[2] == "ok")
                b.noticed.insert(o.start.number);
            else
                b.snoozedUntil[o.start.number] = std::atoll(std::string(f[2]).c_str());
        }
}

}  // namespace

void RebuildDeployments(Workstation& w) {
    auto& b = w.frmActivity.deployments;
    const std::string path = std::string(kHomeFolder) + "Deployments.txt";
    b.durationsNote.clear();
    try {
        b.minutes = ParseDurations(w.files().Exists(path) ? w.files().ReadLines(path) : DefaultDurationLines(),
                                   b.durationsNote);
    } catch (const std::exception& e) {
        b.minutes = ParseDurations(DefaultDurationLines(), b.durationsNote);
        b.durationsNote = e.what();
    }
    if (!b.durationsNote.empty())
        w.frmActivity.StatusBar1.panel[1] = path + ": " + b.durationsNote + "; that line is left out.";
    b.followed = {};
    FollowCruiseLog(w);
    ReadNoticeAnswers(w);
    ShowDeployments(w);
}

void WatchDeployments(Workstation& w) {
    FollowCruiseLog(w);
    ShowDeployments(w);
}

void NoteRecordedEvent(Workstation& w, const LoggedEvent& saved) {
    NoteLoggedEvent(w.frmActivity.deployments, saved, NowS(w));
    ShowDeployments(w);
}

void EraseLatestOfStation(Workstation& w) {
    FollowCruiseLog(w);  // every line before the erase is taken first
    EraseLatestEvent(w.frmActivity.deployments, w.frmActivity.Combo2.text);
    ShowDeployments(w);
}

void NotePickedUpEvent(Workstation& w, const std::string& line) {
    NoteLogLine(w.frmActivity.deployments, line, NowS(w));
}

void DeployNotice_Click(Workstation& w, int index) {
    auto& f = w.frmActivity;
    if (index == 0) {
        f.deployments.snoozedUntil[f.noticeNumber] = NowS(w) + kSnoozeS;
        f.deployments.noticed.erase(f.noticeNumber);
    } else {
        f.deployments.snoozedUntil.erase(f.noticeNumber);
    }
    f.DeployNotice.visible = false;
    KeepNoticeAnswers(w);
    ShowDeployments(w);
}

}  // namespace varnel
