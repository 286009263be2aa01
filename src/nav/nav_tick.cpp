#include "nav/nav_tick.h"

#include <cmath>
#include <stdexcept>

#include "events/deployment_watch.h"
#include "events/event_files.h"
#include "events/event_grid.h"
#include "events/event_number.h"
#include "events/pending_events.h"
#include "events/recording.h"
#include "grid/grid_conversion.h"
#include "grid/standard_stations.h"
#include "lists/line_station_boxes.h"
#include "nav/fix_health.h"
#include "nav/gps_file.h"
#include "nav/met_file.h"
#include "nav/receiver_status.h"
#include "platform/datetime.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/nav_date.h"
#include "text/number_text.h"
#include "text/split_fields.h"

namespace varnel {

namespace {

bool LooksLikeNmea(const std::string& d) {
    return !d.empty() && d.find('$') != std::string::npos && Contains(d, ",");
}

bool LooksLikeRecord(const std::string& d) {
    std::vector<std::string> x(51);
    try {
        SplitFields(d, x, 51);
    } catch (const std::out_of_range&) {
        return false;
    }
    int commas = 0;
    for (char c : d) commas += c == ',';
    if (commas < 4) return false;
    auto numeric = [](const std::string& s) {
        std::string t = Trim(s);
        return !t.empty() &&
               (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '-' || t[0] == '+' || t[0] == '.');
    };
    return numeric(x[3]) && numeric(x[4]);
}

// Position read for the configured source; sets lat/lon (single precision).
void ReadPosition(Workstation& w, float& lat, float& lon) {
    auto& f = w.frmActivity;
    const std::string& src = f.NavSource;
    if (src == "UDP") PollUdp(w);
    bool nmeaFile =
        src == "NETWORK" || src == "GPS" || src == "SCS" || src == "KNORR" || (src == "UDP" && f.udpRecord.empty());
    if (src == "UDP" && !f.udpRecord.empty()) {
        std::vector<std::string> x(51);
        SplitFields(f.udpRecord, x, 51);
        f.Text1[1].text = x[1];
        f.Text1[2].text = x[2];
        lat = static_cast<float>(Val(x[3]));
        lon = static_cast<float>(Val(x[4]));
        f.Text1[3].text = FormatSingle(lat, "00.00000");
        f.Text1[4].text = FormatSingle(lon, "#000.00000");
        return;
    }
    if (!w.files().Exists(f.CurrPosFile)) {
        if (src == "KNORR")
            f.StatusBar1.panel[1] = "Reading Current Position file...";
        else
            f.StatusBar1.panel[1] = "Unable to find " + f.CurrPosFile + " file - retrying...";
        return;
    }
    if (nmeaFile) {
        GpsTexts g = ReadGpsFile(w, f.CurrPosFile);
        float latDeg = static_cast<float>(Val(g.latDeg));
        lat = latDeg > 0 ? latDeg + static_cast<float>(Val(g.latMin)) / 60.0f : -99.0f;
        float lonDeg = static_cast<float>(Val(g.lonDeg));
        lon = (!Contains(g.lonDeg, "-") && lonDeg > 0 && lat != -99.0f)
                  ? -(lonDeg + static_cast<float>(Val(g.lonMin)) / 60.0f)
                  : -99.0f;
        f.Text1[1].text = g.date;
        f.Text1[2].text = g.time;
        f.Text1[3].text = FormatSingle(lat, "00.00000");
        f.Text1[4].text = FormatSingle(lon, "#000.00000");
        ShowFixHealth(w, g);
    } else if (src == "MET") {
        ParseMetItems(w.files().ReadAll(f.CurrPosFile), f.metItems, f.metLaPos, f.metLoPos);
        f.StatusBar1.panel[1] = "Reading Current Position file...";
        f.Text1[1].text = ConvertNavDate(f.metItems[1]);
        const std::string& t = f.metItems[2];
        f.Text1[2].text = Left(t, 2) + ":" + Mid(t, 3, 2) + ":" + Right(t, 2);
        if (f.metLaPos < 1 || f.metLoPos < 1) throw MetError("no item before the LA or LO tag");
        lat = static_cast<float>(Val(f.metItems[static_cast<size_t>(f.metLaPos - 1)]));
        lon = static_cast<float>(Val(f.metItems[static_cast<size_t>(f.metLoPos - 1)]));
        f.Text1[3].text = FormatSingle(lat, "00.00000");
        f.Text1[4].text = FormatSingle(lon, "000.00000");
    }
}

void UpdateGrid(Workstation& w, float lat, float lon) {
    auto& f = w.frmActivity;
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
        LoadStationList(w);
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

// Steps 8 and 9; throws FileError / out_of_range for the retry path.
void EventNumberStep(Workstation& w) {
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
        std::string last = f.dataFolder + f.Text1[0].text + "LastEvent.csv";
        if (w.files().Exists(last)) {
            auto lines = w.files().ReadLines(last);
            std::string line = lines.empty() ? "" : lines.front();
            if (line != f.LastEventLine) {
                f.LastEventLine = line;
                PutLastEventInGrid(w, line);
                NotePickedUpEvent(w, line);
            }
        }
    }
    f.StatusBar1.panel[1] = "Reading Event Number file..." + IntText(f.NextEventNumber);
}

}  // namespace

void PollUdp(Workstation& w) {
    auto& f = w.frmActivity;
    std::string nmea;
    for (auto& d : w.host.UdpTake()) {
        if (LooksLikeRecord(d) && d.find('$') == std::string::npos) {
            f.udpRecord = d;
        } else if (LooksLikeNmea(d)) {
            std::string t = ReplaceAll(ReplaceAll(d, "\r\n", "\r"), "\n", "\r");
            if (t.back() != '\r') t += '\r';
            nmea += ReplaceAll(t, "\r", "\r\n");
            for (size_t at = 0, cr; (cr = t.find('\r', at)) != std::string::npos; at = cr + 1)
                NoteSentence(w.frmCommCheck, t.substr(at, cr - at), w.host.ElapsedMs(), UtcSecondOfDay(w.host));
            f.udpRecord.clear();
        } else {
            ++f.udpMalformed;
        }
    }
    if (!nmea.empty()) WriteSentenceFile(w, nmea);
    w.frmCommCheck.lblReceiver.caption = ReceiverSummary(w.frmCommCheck, w.host.ElapsedMs());
}

void mnuAuto_Click(Workstation& w) {
    auto& f = w.frmActivity;
    if (f.menu.mnuAuto.checked) {
        if (w.host.MsgBox("Turn off Auto-Fill and manually enter all fields? Y/N", Buttons::YesNo, Icon::Warning,
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
    double rate = Val(w.cfg[9]);
    f.Timer1.interval = rate > 0 ? static_cast<int>(std::min(RoundHalfEven(rate), 2.0e9)) : 20000;
    SendWaitingEvents(w);
    WatchDeployments(w);
    float lat = 0, lon = 0;
    if (f.Command1[0].caption == "Record Event") {
        DateTime now = w.host.Now();
        f.Text2.text = ShortDate(now) + "," + LongTime(now);
        int retries = 0;
        for (;;) {
            try {
                lat = lon = 0;
                ReadPosition(w, lat, lon);
                UpdateGrid(w, lat, lon);
                break;
            } catch (const std::exception&) {
                if (f.NavSource != "MET") {
                    f.StatusBar1.panel[1] = "Unable to read the navigation from " + f.CurrPosFile + " - retrying...";
                    break;
                }
                w.host.Pause(2000);
                ++retries;
                f.StatusBar1.panel[1] = "Unable to find " + f.CurrPosFile + " file...retry:" + IntText(retries);
                if (retries <= 6) {
                    f.StatusBar1.panel[1] = "Unable to find Current Position file...Retry" + IntText(retries) + ".";
                    continue;
                }
                if (w.host.MsgBox("Unable to find Current Position file...Quit & Restart the program?\r[Yes] to "
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
    for (;;) {
        f.DecLat = FormatSingle(lat, "00.000000");
        f.DecLon = FormatSingle(lon, "00.000000");
        try {
            EventNumberStep(w);
            return;
        } catch (const std::exception&) {
            w.host.Pause(1000);
            ++f.EvNumRetries;
            if (f.EvNumRetries <= 6) {
                f.StatusBar1.panel[1] = "Unable to find Event Number file...Retry" + IntText(f.EvNumRetries) + ".";
                continue;
            }
            if (w.host.MsgBox("Unable to find Event Number file...Quit the program?\r  [Yes] to quit or [No] for "
                              "manual entry",
                              Buttons::YesNo, Icon::Warning, "Can't Find the Event Number file, Quit?") == Answer::Yes)
                QuitProgram(w);
            return;
        }
    }
}

}  // namespace varnel
