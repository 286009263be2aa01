#include "events/event_files.h"

#include "events/event_number.h"
#include "events/local_logs.h"
#include "events/number_check.h"
#include "events/pending_events.h"
#include "events/store_of_station.h"
#include "platform/datetime.h"
#include "platform/numbers.h"
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
    e.latPrecise = SixDecimalsOfShown(f.DecLat, e.lat);
    e.lonPrecise = SixDecimalsOfShown(f.DecLon, e.lon);
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

bool SavingAllowed(const ActivityForm& f) {
    return RecorderStateOf(f) == RecorderState::Saving || RecorderStateOf(f) == RecorderState::Ready;
}

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
    e.localRoleLog = f.homeFolder + cruise + f.EventRole + ".csv";
    if (f.menu.mnuhtml.checked) {
        e.html = data + cruise + "Events.htm";
        e.localHtml = f.homeFolder + cruise + "Events.htm";
        e.htmlRow = HtmlTableRow(event);
        e.project = w.cfg.Project();
        e.cruise = cruise;
    }
    return e;
}

}  // namespace

LoggedEvent SaveEventLocal(Workstation& w) {
    auto& f = w.frmActivity;
    f.eventHeld = false;
    if (!SavingAllowed(f)) return EventOnScreen(f, DateTime{});
    const LoggedEvent event = EventOnScreen(f, w.services.Now());
    PendingEvent e = SharedLines(w, event);
    // Events that the local logs still lack go in first, so that the logs stay in order;
    // while any is left this one waits behind it.
    const bool behind = !CompleteLocalLogs(w);
    std::vector<std::string> failed;
    // The event is held (in the journal first) so that its shared lines are sent later
    // if the shared writes do not all complete (events entered by hand with Auto-Fill
    // off stay on this station, as they always have).
    const bool toShared = !f.NetworkMode || f.menu.mnuAuto.checked;
    if (toShared) {
        HoldEvent(w, e, failed);
        f.eventHeld = true;
    }
    const bool whole = !behind && WriteLocalFiles(w.files(), e, false, failed);
    if (!whole) {
        auto& held = HeldEvents(w);
        if (!toShared) {
            e.lacks = Lacks::Local;
            held.push_back(e);
        } else {
            held.back().lacks = Lacks::Both;
        }
        SaveHeldEvents(w);
    }
    ReportHomeFailure(w, failed);
    if (toShared && (!f.NetworkMode || f.drawnLocally)) ShowWaitingEvents(f, WaitingForShared(w));
    ShowLocalNotices(w);
    return event;
}

void SaveEventNetwork(Workstation& w) {
    auto& f = w.frmActivity;
    if (!SavingAllowed(f) || !f.menu.mnuAuto.checked) return;
    const std::string cruise = f.Text1[0].text;
    auto& held = HeldEvents(w);
    // The event being saved was held by the local save; only an event that was not is
    // taken from the screen here.
    PendingEvent e = f.eventHeld && !held.empty() ? held.back() : SharedLines(w, EventOnScreen(f, w.services.Now()));
    auto store = SharedStore(w);
    try {
        // Events that wait go first, so that the shared logs stay in order.
        if (f.eventHeld && !SendWaitingEvents(w, true)) throw FileError("events are waiting");
        store->AddEvent(e, CruiseStore::Delivery::First, !f.EditingRow);
        if (f.eventHeld && !held.empty()) {
            if (held.back().lacks == Lacks::Both)
                held.back().lacks = Lacks::Local;
            else
                held.pop_back();
            SaveHeldEvents(w);
            ShowLocalNotices(w);
        }
        f.eventHeld = false;
        TellOfNumberDrawnTwice(w, e);
        for (size_t i = 1; i <= 200; ++i) f.metItems[i].clear();
        const std::string ev = f.Combo1.text;
        if (Contains(ev, "CTD AT DEPTH")) {
            store->MarkCtdAtDepth(e.roleLine);
            f.CtdAtDepth = true;
        } else if (Contains(ev, "CTD RECOVERED") && f.CtdAtDepth) {
            f.CtdAtDepth = false;
        } else if (Contains(ev, "CTD DEPLOYED") && !f.CtdAtDepth) {
            store->MarkCtdAtDepth(e.roleLine);
        }
    } catch (const FileError& x) {
        ReportTornLine(w, x);
        if (f.eventHeld && !held.empty() && held.back().lacks == Lacks::Both)
            w.Msg("Event " + f.Text1[5].text + " is not yet saved in any log: neither the station's folder " +
                      f.homeFolder + " nor the shared folder " + f.dataFolder +
                      " can be written now. The program keeps it and writes it as soon as a folder can be written "
                      "again; do not record it again, and do not quit before then.",
                  Icon::Exclamation);
        else
            w.Msg("Unable to write to Network Drive!  Saved locally (" + f.homeFolder + cruise + "Events.csv)");
        ShowWaitingEvents(f, WaitingForShared(w));
        ShowLocalNotices(w);
    }
}

std::string OrderOccPath(const ActivityForm& f) {
    return f.dataFolder + "OrderOcc.txt";
}

void ReadOrderOcc(FileSystem& fs, ActivityForm& f) {
    std::string& result = f.OrdOcc;
    std::string path = OrderOccPath(f);
    f.menu.mnuOrderOccFile.caption = path;
    try {
        if (fs.Exists(path)) {
            auto lines = fs.ReadLines(path);
            result = lines.empty() ? "" : lines.front();
            f.StatusBar1.panel[6] = "OrderOcc: " + result;
        } else {
            fs.ReplaceLines(path, {"1"});
            result = "1";
        }
    } catch (const FileError&) {
        // stops silently; the result stays as it was
    }
}

void NextOrderOcc(Workstation& w, std::string& result) {
    auto& f = w.frmActivity;
    try {
        auto store = SharedStore(w);
        if (!store->HasCounter(CruiseStore::Counter::OrderOfOccupation)) {
            result = "-99";
            return;
        }
        result = store->DrawCounter(CruiseStore::Counter::OrderOfOccupation,
                                    [](std::optional<double> held) { return NumText(held.value_or(0) + 1); });
        f.StatusBar1.panel[6] = "Order_Occ: " + result;
    } catch (const FileError&) {
        result = "-99";
    }
}

void SaveGridToIns(FileSystem& fs, const ActivityForm& f) {
    std::vector<std::string> lines;
    for (int r = 1; r <= f.gridRow && r < f.EventLog.rows; ++r) {
        std::string line;
        for (int c = 0; c < 10; ++c) line += (c ? "," : "") + LoggedText(f.EventLog.Cell(r, c));
        lines.push_back(line);
    }
    try {
        fs.AppendLines(f.homeFolder + f.Text1[0].text + "Events.ins", lines, true);
    } catch (const FileError&) {
        // stops silently at the first error
    }
}

}  // namespace varnel
