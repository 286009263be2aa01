#include "events/pending_events.h"

#include <algorithm>
#include <set>

#include "events/event_files.h"
#include "events/event_number.h"
#include "events/local_logs.h"
#include "events/store_of_station.h"
#include "forms/notices.h"
#include "platform/numbers.h"
#include "platform/strings.h"

namespace varnel {

std::string PendingJournalPath(const ActivityForm& f) {
    return f.homeFolder + "PendingEvents.txt";
}

std::vector<PendingEvent> ReadPendingEvents(FileSystem& fs, const std::string& journal) {
    std::vector<PendingEvent> out;
    if (!fs.Exists(journal)) return out;
    for (auto& line : fs.ReadLines(journal))
        if (auto e = ParseJournalEntry(line)) out.push_back(std::move(*e));
    return out;
}

void AddPendingEvent(FileSystem& fs, const std::string& journal, const PendingEvent& e) {
    fs.AppendLines(journal, {JournalEntryLine(e)}, true);
}

void DropPendingEvents(FileSystem& fs, const std::string& journal, size_t count) {
    auto lines = fs.ReadLines(journal);
    if (count >= lines.size()) {
        fs.Remove(journal);
        return;
    }
    fs.ReplaceLines(journal, std::vector<std::string>(lines.begin() + static_cast<long>(count), lines.end()));
}

namespace {

bool SameEvent(const PendingEvent& a, const PendingEvent& b) {
    return a.number == b.number && a.localLog == b.localLog && a.localLine == b.localLine;
}

size_t LackingShared(const std::vector<PendingEvent>& held) {
    size_t n = 0;
    for (const auto& e : held) n += e.LacksShared();
    return n;
}

}  // namespace

std::vector<PendingEvent>& HeldEvents(Workstation& w) {
    auto& f = w.frmActivity;
    if (f.heldRead) return f.held;
    try {
        // Entries this run held before the journal could be read are newer than the
        // journal's, and the program's copy of an entry is the newer one.
        std::vector<PendingEvent> all = ReadPendingEvents(w.files(), PendingJournalPath(f));
        std::erase_if(all, [&](const PendingEvent& stored) {
            return std::any_of(f.held.begin(), f.held.end(), [&](const auto& e) { return SameEvent(e, stored); });
        });
        all.insert(all.end(), f.held.begin(), f.held.end());
        f.held = std::move(all);
        f.heldRead = true;
    } catch (const FileError&) {
        // read again next time; the journal is only appended to meanwhile
    }
    return f.held;
}

bool HoldEvent(Workstation& w, const PendingEvent& e, std::vector<std::string>& failed) {
    auto& f = w.frmActivity;
    HeldEvents(w).push_back(e);
    if (f.journalBehind && f.heldRead) {
        SaveHeldEvents(w);
        if (!f.journalBehind) return true;
        failed.push_back("Unable to write " + PendingJournalPath(f));
        return false;
    }
    try {
        AddPendingEvent(w.files(), PendingJournalPath(f), e);
        return true;
    } catch (const FileError& x) {
        f.journalBehind = true;
        failed.push_back(x.what());
        return false;
    }
}

void SaveHeldEvents(Workstation& w) {
    auto& f = w.frmActivity;
    if (!f.heldRead) {  // never replace entries that have not been read
        f.journalBehind = true;
        return;
    }
    std::vector<std::string> lines;
    for (const auto& e : f.held) lines.push_back(JournalEntryLine(e));
    const std::string journal = PendingJournalPath(f);
    try {
        if (lines.empty())
            w.files().Remove(journal);
        else
            w.files().ReplaceLines(journal, lines);
        f.journalBehind = false;
    } catch (const FileError&) {
        f.journalBehind = true;
    }
}

void ShowWaitingEvents(ActivityForm& f, size_t waiting) {
    if (waiting == 0) {
        ClearNotice(f, Notice::EventsWaiting);
        return;
    }
    f.waitingReported = true;
    PostNotice(f, Notice::EventsWaiting,
               std::to_string(waiting) + (waiting == 1 ? " event waits" : " events wait") + " for the shared folder " +
                   f.dataFolder,
               "Saved on this station. Sent to the shared cruise log, role log and HTML table as soon as the shared "
               "folder can be written again.");
}

bool SendWaitingEvents(Workstation& w, bool keepNewest) {
    auto& f = w.frmActivity;
    auto& fs = w.files();
    if (!keepNewest) CompleteLocalLogs(w);
    auto& held = HeldEvents(w);
    // With keepNewest the newest entry is the event being saved: its caller sends it.
    const size_t end = keepNewest && !held.empty() ? held.size() - 1 : held.size();
    std::vector<const PendingEvent*> waiting;
    for (size_t i = 0; i < end; ++i)
        if (held[i].LacksShared()) waiting.push_back(&held[i]);
    if (!waiting.empty()) f.waitingReported = true;  // the operator hears when they are all sent
    if (waiting.empty() || !f.NetworkMode) {
        if (!keepNewest) ShowWaitingEvents(f, waiting.size());
        return waiting.empty();
    }
    // Numbers drawn in local operation may have been drawn by other stations meanwhile:
    // say so once; the events keep the numbers written on paper and sample labels.
    std::set<std::string> local;
    for (auto* e : waiting)
        if (e->localOperation) local.insert(e->number);
    if (!local.empty() && !f.collisionsReported) {
        std::set<std::string> used;
        try {
            for (auto& line : fs.Exists(waiting.front()->sharedLog) ? fs.ReadLines(waiting.front()->sharedLog)
                                                                    : std::vector<std::string>{}) {
                LoggedEvent logged = ParseLogLine(line, NavigationColumnsRead::Skipped);
                if (logged.columnsRead > 1) used.insert(logged.number);
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
    auto store = SharedStore(w);
    try {
        // The shared counter is raised past the numbers drawn from this station's copy
        // first, so that no station draws one of them again.
        long long highest = 0;
        for (auto& n : local) highest = std::max(highest, static_cast<long long>(Val(n)));
        if (highest > 0 && !IsJulian(f)) store->RaiseCounter(CruiseStore::Counter::EventNumber, highest);
        for (size_t i = 0; i < held.size() && (!keepNewest || i + 1 < held.size());) {
            PendingEvent& e = held[i];
            if (!e.LacksShared()) {
                ++i;
                continue;
            }
            // An entry whose event never reached the local log, and was not held for it,
            // was cut short before it was saved: there is nothing to send.
            if (e.LacksLocal() || EndHolds(fs, e.localLog, e.localLine))
                store->AddEvent(e, CruiseStore::Delivery::Again, false);
            if (e.lacks == Lacks::Both) {
                e.lacks = Lacks::Local;
                ++i;
            } else {
                held.erase(held.begin() + static_cast<long>(i));
            }
            SaveHeldEvents(w);
            ++sent;
        }
    } catch (const FileError& x) {
        ReportTornLine(w, x);
        f.waitingSent += sent;
        ShowWaitingEvents(f, LackingShared(held));
        ShowLocalNotices(w);
        return false;
    }
    ShowWaitingEvents(f, 0);
    ShowLocalNotices(w);
    if (f.waitingReported) {
        f.waitingSent += sent;
        f.waitingReported = false;  // a tick that runs while the message waits does not repeat it
        w.Msg((f.waitingSent == 1 ? std::string("The event that waited for the shared folder ") + f.dataFolder + " is"
                                  : "All " + std::to_string(f.waitingSent) +
                                        " events that waited for the shared folder " + f.dataFolder + " are") +
              " now in the shared cruise log, role log and HTML table.");
        f.waitingSent = 0;
    }
    f.collisionsReported = false;
    return true;
}

size_t WaitingForShared(Workstation& w) {
    return LackingShared(HeldEvents(w));
}

}  // namespace varnel
