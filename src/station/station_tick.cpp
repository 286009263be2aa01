#include "station/station_tick.h"

#include <algorithm>
#include <exception>
#include <string>

#include "events/deployment_watch.h"
#include "events/event_grid.h"
#include "events/event_number.h"
#include "events/pending_events.h"
#include "events/recording.h"
#include "events/store_of_station.h"
#include "grid/grid_conversion.h"
#include "grid/standard_stations.h"
#include "lists/line_station_boxes.h"
#include "nav/fix_health.h"
#include "nav/nav_source.h"
#include "platform/datetime.h"
#include "platform/numbers.h"
#include "text/number_text.h"

namespace varnel {

namespace {

// The line and station boxes from the position; reads the station lists, asks nothing.
void UpdateGrid(FileSystem& fs, ActivityForm& f, float lat, float lon) {
    auto& m = f.menu;
    if (lat > 0 && lon < 0) {
        LineSta calc = CalcLineSta(lat, lon);
        f.CalcLine = calc.line;
        f.CalcSta = calc.station;
        LineSta stnd = FindStandardSta(f.CalcLine, f.CalcSta, m.mnuCalcLine.checked);
        f.StndLine = stnd.line;
        f.StndSta = stnd.station;
        f.Combo3.tooltip = "Calculated line = " + f.CalcLine;
        f.Combo4.tooltip = "Calculated station = " + f.CalcSta;
        LoadStationList(fs, f);
        if (m.mnuCalcLine.checked) {
            f.Combo3.text = f.CalcLine;
            f.Combo4.text = f.CalcSta;
        } else if (m.mnuStndLine.checked) {
            f.Combo3.text = f.StndLine;
            f.Combo4.text = f.StndSta;
        }
    } else if (!m.mnuSelectLine.checked) {
        f.StatusBar1.panel[1] = "Unable to find " + f.CurrPosFile + " file...retrying";
    }
}

// Shows the number the next event will get: the Julian number, or the shared
// event-number file's value + 1. When that raises the box, another station has
// recorded, so its line in LastEvent.csv is shown in the grid and taken into the
// deployments strip (once per new line, and not while a Clear Last is pending).
// Throws FileError or out_of_range when the file cannot be read, for the tick's retry.
void ShowNextEventNumber(Workstation& w) {
    auto& f = w.frmActivity;
    if (IsJulian(f)) {
        f.Text1[5].text = JulianText(w);
        return;
    }
    if (!w.files().Exists(f.EvNumPath)) {
        f.StatusBar1.panel[1] = "Unable to find Event Number file...Retry" + IntText(f.EvNumRetries) + ".";
        return;
    }
    auto v = ReadEventNumberFile(w.files(), f.EvNumPath);
    if (v) {
        try {
            f.NextEventNumber = ToInt16(*v + 1);
        } catch (const OverflowError&) {
            f.StatusBar1.panel[1] = "The event-number file holds " + NumText(*v) +
                                    ": the counter is full (32767). Start a new number file.";
            return;
        }
    }
    if (!f.RollbackPending && RaiseEventNumberBox(f)) {
        if (auto line = SharedStore(w)->Announced(); line && *line != f.LastEventLine) {
            f.LastEventLine = *line;
            PutLastEventInGrid(f, *line);
            NotePickedUpEvent(w, *line);
        }
    }
    f.StatusBar1.panel[1] = "Reading Event Number file..." + IntText(f.NextEventNumber);
}

}  // namespace

void mnuAuto_Click(Workstation& w) {
    auto& f = w.frmActivity;
    if (f.menu.mnuAuto.checked) {
        if (w.prompts.MsgBox("Turn off Auto-Fill and manually enter all fields? Y/N", Buttons::YesNo, Icon::Warning,
                             "Turn Off Auto Log? Y/N") == Answer::Yes) {
            f.menu.mnuAuto.checked = false;
            for (int i = 1; i <= 4; ++i) f.Text1[static_cast<size_t>(i)].text.clear();
            f.Timer1.enabled = false;
        }
    } else if (w.AskYes("Turn Auto-Fill on for automatic entry of navigational fields? Y/N", "Turn On Auto Log? Y/N")) {
        f.menu.mnuAuto.checked = true;
        f.Timer1.enabled = true;
    }
}

void Timer1_Timer(Workstation& w) {
    auto& f = w.frmActivity;
    if (!f.menu.mnuAuto.checked) {
        f.Timer1.enabled = false;
        return;
    }
    double rate = Val(w.cfg.SamplingRate());
    f.Timer1.interval = rate > 0 ? static_cast<int>(std::min(RoundHalfEven(rate), 2.0e9)) : 20000;
    float lat = 0, lon = 0;
    bool shown = false;
    if (RecorderStateOf(f) == RecorderState::Ready) {
        DateTime now = w.services.Now();
        f.Text2.text = ShortDate(now) + "," + LongTime(now);
        int retries = 0;
        for (;;) {
            try {
                lat = lon = 0;
                shown = ReadPosition(w, lat, lon);
                UpdateGrid(w.files(), f, lat, lon);
                break;
            } catch (const std::exception&) {
                if (f.NavSource != NavSource::Met) {
                    ShowFixLost(w);
                    f.StatusBar1.panel[1] = "Unable to read the navigation from " + f.CurrPosFile + " - retrying...";
                    break;
                }
                w.services.Pause(2000);
                ++retries;
                f.StatusBar1.panel[1] = "Unable to find " + f.CurrPosFile + " file...retry:" + IntText(retries);
                if (retries <= 6) {
                    f.StatusBar1.panel[1] = "Unable to find Current Position file...Retry" + IntText(retries) + ".";
                    continue;
                }
                if (w.prompts.MsgBox("Unable to find Current Position file...Quit & Restart the program?\r[Yes] to "
                                     "quit or [No] for manual entry",
                                     Buttons::YesNo, Icon::Warning,
                                     "Can't Find the MET data file, Quit?") == Answer::Yes) {
                    QuitProgram(w);
                    return;
                }
                f.menu.mnuAuto.checked = false;
                f.menu.mnuSelectLine.checked = true;
                f.menu.mnuCalcLine.checked = false;
                return;
            }
        }
    }
    // The six-decimal position is the one the boxes show: a tick that puts no new
    // position in them (the display paused, the position file missing or unreadable)
    // keeps the last one, so an event is never logged at 00.000000 beside the position
    // on screen. Until a position is read they hold zeros.
    if (shown || f.DecLat.empty()) {
        f.DecLat = FormatSingle(lat, "00.000000");
        f.DecLon = FormatSingle(lon, "00.000000");
    }
    // After the navigation: a message of the send (the events that waited are in the
    // shared logs) waits for the operator, and the time on screen must not wait with it.
    SendWaitingEvents(w);
    WatchDeployments(w);
    for (;;) {
        try {
            ShowNextEventNumber(w);
            return;
        } catch (const std::exception&) {
            w.services.Pause(1000);
            ++f.EvNumRetries;
            if (f.EvNumRetries <= 6) {
                f.StatusBar1.panel[1] = "Unable to find Event Number file...Retry" + IntText(f.EvNumRetries) + ".";
                continue;
            }
            if (w.prompts.MsgBox("Unable to find Event Number file...Quit the program?\r  [Yes] to quit or [No] for "
                                 "manual entry",
                                 Buttons::YesNo, Icon::Warning,
                                 "Can't Find the Event Number file, Quit?") == Answer::Yes)
                QuitProgram(w);
            return;
        }
    }
}

}  // namespace varnel
