#include "events/recording.h"

#include "events/deployment_watch.h"
#include "events/event_files.h"
#include "events/event_grid.h"
#include "events/event_number.h"
#include "events/fix_at_recording.h"
#include "events/local_logs.h"
#include "events/replaced_characters.h"
#include "lists/comment_options.h"
#include "lists/selection.h"
#include "platform/numbers.h"
#include "platform/strings.h"

namespace varnel {

std::string ClassifyActivity(const std::string& text) {
    if (Contains(text, "CTD")) return "CTD";
    static const std::pair<const char*, const char*> rules[] = {
        {"PAIROVET", "PAIROVET"}, {"MANTA", "MANTA"},      {"BONGO", "BONGO"},     {"SECCHI", "SECCHI"},
        {"SONOBUOY", "SONOBUOY"}, {"ARRAY", "TOWEDARRAY"}, {"POLE", "TM POLE"},    {"PUMP", "TM PUMP"},
        {"FLO", "TM-GOFLO"},      {"CUFES", "CUFES"},      {"REFLICS", "REFLICS"}, {"STATION", "STATION"},
        {"ADCP", "ADCP"},         {"CO2", "CO2"},          {"CUDLS2", "CUDLS2"},   {"PRR", "PRR"},
        {"MER", "MER"},           {"MAMMAL", "MMammals"}};
    std::string u = UCase(text);
    for (const auto& [part, cls] : rules)
        if (Contains(u, part)) return cls;
    return "Ancillary";
}

namespace {

void CommonEnding(Workstation& w, bool pause) {
    auto& f = w.frmActivity;
    if (pause) {
        f.ManualEventNumber = false;
        w.services.Pause(3000);
    }
    ShowRecorderState(f, RecorderState::Ready);
    f.Command1[0].enabled = true;
}

void BackToRecordEvent(ActivityForm& f) {
    ShowRecorderState(f, RecorderState::Ready);
    f.Command1[0].enabled = true;
}

// The event-number file's value raised into the box after a warning was answered Yes.
void RaiseFromFile(Workstation& w, int delta) {
    auto& f = w.frmActivity;
    if (IsJulian(f)) {
        f.Text1[5].text = JulianText(w);
        return;
    }
    try {
        TakeNumberFromFile(w, delta);
    } catch (const std::exception&) {
        f.StatusBar1.panel[1] = "Unable to read " + f.EvNumPath + ": the number on screen is used.";
    }
}

void Start(Workstation& w) {
    auto& f = w.frmActivity;
    if (f.NavSource == NavSource::Gps && w.frmCommCheck.btnGo.caption == "GO") {
        if (w.prompts.MsgBox("GPS is not started, return to GPS startup form? Y/N", Buttons::YesNo, Icon::Error,
                             "GPS not logging, return to activate?") == Answer::Yes) {
            w.frmCommCheck.loaded = true;
            w.frmCommCheck.visible = true;
            return;
        }
    }
    ShowRecorderState(f, RecorderState::Ready);
    f.Command1[0].tooltip = "Saves the event number and all data displayed into the Cruise events log.";
    f.Timer1.interval = f.SamplingInterval;  // the display polls at the configured rate from now on
    CommonEnding(w, true);
}

void RecordEvent(Workstation& w) {
    auto& f = w.frmActivity;
    // A number typed by hand is recorded only when it can be one.
    if (f.ManualEventNumber && !IsEventNumberText(w, f.Text1[5].text)) {
        w.Msg("\"" + f.Text1[5].text + "\" cannot be recorded as an event number: type " +
                  (IsJulian(f) ? "a Julian number such as " + JulianText(w)
                               : std::string("a whole number from 1 to 32767")) +
                  ". Nothing was saved.",
              Icon::Exclamation);
        return;
    }
    f.Timer1.interval = f.SamplingInterval;
    f.Timer1.enabled = true;
    ShowRecorderState(f, RecorderState::Saving);
    f.Command1[0].enabled = false;
    if (f.menu.mnuAuto.enabled) {
        if (Val(f.Text1[3].text) == 0 && Val(f.Text1[4].text) == 0) {
            if (w.prompts.MsgBox("Navigation fields have not updated, record event anyways? Y/N", Buttons::YesNo,
                                 Icon::Warning, "Navigation fields not updated!") != Answer::Yes) {
                BackToRecordEvent(f);
                return;
            }
            RaiseFromFile(w, 1);
        } else if (f.Text1[2].text == f.LastEventTime) {
            if (w.prompts.MsgBox("GPS Time hasn't changed since the last event, record anyways? Y/N", Buttons::YesNo,
                                 Icon::Warning, "Time hasn't updated!") != Answer::Yes) {
                BackToRecordEvent(f);
                return;
            }
            RaiseFromFile(w, -1);
        }
    }
    auto& g = f.EventLog;
    if (f.gridRow == 0) f.gridRow = 1;
    if (!f.EditingRow) MakeRoomInGrid(f);
    const int row = f.EditingRow ? g.row : f.gridRow;
    auto put = [&](int c, const std::string& v) {
        if (row > 0 && row < g.rows) g.Cell(row, c) = v;
    };
    put(0, f.Text1[5].text);
    put(1, f.Combo3.text);
    put(2, f.Combo4.text);
    put(3, f.Text1[1].text);
    put(4, f.Text1[2].text);
    f.LastEventTime = f.Text1[2].text;
    put(5, f.Combo1.text);
    if (!f.EditingRow) {
        std::string ev = UCase(f.Combo1.text);
        if (Contains(ev, "ARRIVAL") && !Contains(UCase(f.LastEventName), "DEPART")) {
            int add = f.LastEventName.empty() ? 1 : (f.LastEventName != "STATION ARRIVAL" ? 2 : 0);
            if (f.NextEventNumber <= 32767 - add) f.NextEventNumber = static_cast<int16_t>(f.NextEventNumber + add);
        }
        if (Contains(ev, "ARRIVAL") && !Contains(f.LastEventLine, "ARRIVAL"))
            NextOrderOcc(w, f.OrdOcc);
        else
            ReadOrderOcc(w.files(), f);
        f.LastEventName = Trim(f.Combo1.text);
    }
    put(6, f.Text1[3].text);
    put(7, f.Text1[4].text);
    put(8, f.Combo2.text);
    put(9, CommentsField(f.txtComments.text));
    f.Activity = ClassifyActivity(f.Combo1.text);
    DrawResult drawn = DrawResult::Drawn;
    if (!f.EditingRow) {
        ++f.gridRow;
        drawn = DrawEventNumber(w);
        if (drawn == DrawResult::Cancelled) {
            --f.gridRow;
            for (int c = 0; c < 10; ++c) put(c, "");
            f.StatusBar1.panel[1] = "Event not saved: no event number could be drawn.";
            BackToRecordEvent(f);
            return;
        }
        put(0, f.Text1[5].text);  // the grid shows the number the event is saved with
    }
    f.drawnLocally = drawn == DrawResult::DrawnLocally;
    NoteRecordedEvent(w, SaveEventLocal(w));
    NoteReplacedCharacters(f, f.Text1[5].text);
    if (!f.EditingRow && f.menu.mnuAuto.checked) NoteFixAtRecording(w, f.Text1[5].text);
    f.RollbackPending = false;
    if (f.drawnLocally)
        w.Msg("The shared folder " + f.dataFolder + " cannot be reached: event " + f.Text1[5].text +
                  " is saved on this station with a number from its own copy and goes to the shared logs as soon as "
                  "the folder is back.",
              Icon::Exclamation);
    else if (f.NetworkMode)
        SaveEventNetwork(w);
    f.drawnLocally = false;
    AdvanceAfterSave(f);
    ClearCommentOptions(w);
    if (!f.EditingRow) AdvanceEventSelection(w);
    f.EditingRow = false;
    CommonEnding(w, true);
}

void ClearLast(Workstation& w) {
    auto& f = w.frmActivity;
    f.Timer1.enabled = false;
    // Erasing cannot be taken back: Enter answers No.
    bool yes = w.prompts.MsgBox("Do You want to erase an event entry? Y/N", Buttons::YesNo, Icon::Warning,
                                "Erase Last Event?", Answer::No) == Answer::Yes;
    if (yes && f.gridRow >= 2) {
        int r = f.gridRow - 1;
        f.EventLog.row = r;
        EraseLatestOfStation(w);
        if (r < f.EventLog.rows)
            for (int c = 0; c < 10; ++c) f.EventLog.Cell(r, c).clear();
        RollBackEventNumber(w);
        f.gridRow -= 1;
        f.Timer1.enabled = false;
        if (!IsJulian(f)) {
            f.Text1[5].text = IntText(f.NextEventNumber);
            SetComments(w, f.txtComments.text + "erase previous event ;");
            f.Timer1.enabled = true;
        } else {
            f.Text1[5].text = JulianText(w);
        }
    }
    f.Timer1.enabled = true;
    CommonEnding(w, false);
}

}  // namespace

void QuitProgram(Workstation& w) {
    SaveGridToIns(w.files(), w.frmActivity);
    w.frmActivity.Timer1.enabled = false;
    w.frmCommCheck.Timer1.enabled = false;
    if (w.services.SerialIsOpen()) w.services.SerialClose();
    w.frmCommCheck.loaded = false;
    w.frmCommCheck.visible = false;
    w.End();
}

void Command1_Click(Workstation& w, int index) {
    auto& f = w.frmActivity;
    switch (index) {
        case 0:
            f.EvNumRetries = 0;
            if (RecorderStateOf(f) == RecorderState::Start)
                Start(w);
            else if (RecorderStateOf(f) == RecorderState::StandingBy) {
                ShowRecorderState(f, RecorderState::Ready);
                f.Command1[1].caption = "Standby";
                CommonEnding(w, true);
            } else if (RecorderStateOf(f) == RecorderState::Ready)
                RecordEvent(w);
            break;
        case 1:
            if (RecorderStateOf(f) == RecorderState::Ready) {
                ShowRecorderState(f, RecorderState::StandingBy);
                f.Command1[1].caption = "Resume";
            } else if (RecorderStateOf(f) == RecorderState::StandingBy) {
                ShowRecorderState(f, RecorderState::Ready);
                f.Command1[1].caption = "Standby";
            }
            if (!f.Command1[0].enabled) f.Command1[0].enabled = true;
            break;
        case 2:
            if (MayQuitWithHeldEvents(w) && w.prompts.MsgBox("Do you really want to quit? Y/N", Buttons::YesNo,
                                                             Icon::None, "Close Program? Y/N") == Answer::Yes)
                QuitProgram(w);
            else
                CommonEnding(w, false);
            break;
        case 3:
            ClearLast(w);
            break;
        default:
            break;
    }
}

}  // namespace varnel
