#include "events/pending_events.h"

#include <algorithm>
#include <set>

#include "events/event_files.h"
#include "events/event_number.h"
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
        if (!keepNewest) ShowWaitingEvents(f, waiting.size());
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
        for (auto& e : waiting) {
            // An entry whose event never reached the local log was cut short before it
            // was saved: there is nothing to send.
            if (EndHolds(fs, e.localLog, e.localLine)) store->AddEvent(e, CruiseStore::Delivery::Again, false);
            DropPendingEvents(fs, journal, 1);
            ++sent;
        }
    } catch (const FileError&) {
        f.waitingSent += sent;
        ShowWaitingEvents(f, waiting.size() - sent + (keepNewest ? 1 : 0));
        return false;
    }
    ShowWaitingEvents(f, 0);
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
