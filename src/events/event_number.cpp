#include "events/event_number.h"

#include <cctype>
#include <cstdlib>

#include "events/store_of_station.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/julian.h"
#include "text/number_text.h"

namespace varnel {

namespace {
const char* kCounterFull =
    "The event number has reached 32767, the largest number this logger can count to. "
    "No number was drawn and the event was not saved. Start a new event-number file "
    "(for example holding 1) for a new series, or enter the number by hand.";
}

std::optional<double> ReadEventNumberFile(FileSystem& fs, const std::string& path) {
    auto lines = fs.ReadLines(path);
    if (lines.empty() || Trim(lines.front()).empty()) return std::nullopt;
    return Val(lines.front());
}

void WriteEventNumberFile(FileSystem& fs, const std::string& path, const std::string& text) {
    fs.ReplaceLines(path, {text});
}

bool IsJulian(const ActivityForm& f) {
    return f.EventScheme == "JULIAN";
}

std::string JulianText(Workstation& w) {
    return MakeJulianNumber(w.services, w.cfg.EventModes()).Text();
}

bool RaiseEventNumberBox(ActivityForm& f) {
    if (!(Val(f.Text1[5].text) < f.NextEventNumber) || f.ManualEventNumber) return false;
    f.Text1[5].text = IntText(f.NextEventNumber);
    return true;
}

void TakeNumberFromFile(Workstation& w, int delta) {
    auto& f = w.frmActivity;
    if (auto v = ReadEventNumberFile(w.files(), f.EvNumPath)) {
        f.NextEventNumber = ToInt16(*v + delta);
        RaiseEventNumberBox(f);
    }
}

void DiscoverEventNumberFile(Workstation& w) {
    auto& f = w.frmActivity;
    for (;;) {
        if (IsJulian(f)) {
            f.Text1[5].text = JulianText(w);
            return;
        }
        bool askNetwork = false;
        if (w.files().Exists(f.EvNumPath)) {
            try {
                if (auto v = ReadEventNumberFile(w.files(), f.EvNumPath)) {
                    f.NextEventNumber = ToInt16(*v);
                    f.Text1[5].text = IntText(f.NextEventNumber);
                }
                return;
            } catch (const FileError&) {
                askNetwork = true;
            } catch (const OverflowError&) {
                askNetwork = true;
            }
        }
        if (!askNetwork) {
            if (w.AskYes("Unable to find " + f.EvNumPath + "! Create one? Y/N ('No' if network is down or to config)",
                         "Unable to find Eventnumber.txt - create one?", Icon::None, Answer::No)) {
                try {
                    WriteEventNumberFile(w.files(), f.EvNumPath, "1");
                    f.NextEventNumber = 1;
                    f.Text1[5].text = "1";
                    return;
                } catch (const FileError&) {
                    // the folder is not there: the network question follows
                }
            }
        }
        if (w.AskYes("Network is unavailable!  Remap drive then click 'Yes' to retry or 'No' for local operations",
                     "Remap Drive or network down?"))
            continue;
        f.NetworkMode = false;
        f.menu.mnuAuto.checked = false;
        const std::string text = "Auto/Network Mode Disabled - Press Start then manually enter data.";
        f.StatusBar1.panel[1] = text;
        w.Msg(text);
        f.EvNumPath = f.EvNumLocalPath;
        f.menu.mnuEventNumFile.caption = f.EvNumPath;
    }
}

namespace {

// The shared file stays unreadable: the number comes from this station's own copy.
DrawResult DrawLocally(Workstation& w) {
    auto& f = w.frmActivity;
    if (f.EvNumLocalPath == f.EvNumPath) return DrawResult::Cancelled;
    try {
        // The copy's next number, or the number on screen when there is no copy yet.
        if (auto v =
                w.files().Exists(f.EvNumLocalPath) ? ReadEventNumberFile(w.files(), f.EvNumLocalPath) : std::nullopt) {
            f.NextEventNumber = ToInt16(*v + 1);
            RaiseEventNumberBox(f);
        }
        if (Val(f.Text1[5].text) < 1) return DrawResult::Cancelled;
        WriteEventNumberFile(w.files(), f.EvNumLocalPath, f.Text1[5].text);
        return DrawResult::DrawnLocally;
    } catch (const std::exception&) {
        return DrawResult::Cancelled;
    }
}

}  // namespace

bool IsEventNumberText(Workstation& w, const std::string& text) {
    std::string t = Trim(text);
    auto digits = [&](size_t from, size_t n) {
        for (size_t i = from; i < from + n; ++i)
            if (i >= t.size() || !std::isdigit(static_cast<unsigned char>(t[i]))) return false;
        return true;
    };
    if (!IsJulian(w.frmActivity))
        return !t.empty() && t.size() <= 5 && digits(0, t.size()) && Val(t) >= 1 && Val(t) <= 32767;
    const std::string form = JulianText(w);  // "186.1405" or "186.140509"
    int day = std::atoi(t.substr(0, 3).c_str());
    return t.size() == form.size() && digits(0, 3) && t[3] == '.' && digits(4, t.size() - 4) && day >= 1 && day <= 366;
}

DrawResult DrawEventNumber(Workstation& w) {
    auto& f = w.frmActivity;
    if (IsJulian(f)) {
        f.Text1[5].text = JulianText(w);
        return DrawResult::Drawn;
    }
    if (!f.NetworkMode) {
        if (f.NextEventNumber == 32767) {
            w.Msg(kCounterFull, Icon::Exclamation);
            return DrawResult::Cancelled;
        }
        ++f.NextEventNumber;
        f.Text1[5].text = IntText(f.NextEventNumber);
    }
    int failures = 0;
    for (;;) {
        try {
            SharedStore(w)->DrawCounter(CruiseStore::Counter::EventNumber, [&](std::optional<double> held) {
                if (held) {
                    f.NextEventNumber = ToInt16(*held + 1);
                    RaiseEventNumberBox(f);
                }
                f.StatusBar1.panel[1] = "Reading Event Number file..." +
                                        std::string(f.NextEventNumber >= 0 ? " " : "") + IntText(f.NextEventNumber);
                return f.Text1[5].text;
            });
            // The station's copy follows the shared number; when the home folder cannot
            // take it the number drawn stands all the same (drawing again would skip one),
            // and the next draw brings the copy up to date.
            if (f.EvNumLocalPath != f.EvNumPath) try {
                    WriteEventNumberFile(w.files(), f.EvNumLocalPath, f.Text1[5].text);
                } catch (const FileError&) {
                }
            return DrawResult::Drawn;
        } catch (const OverflowError&) {
            w.Msg(kCounterFull, Icon::Exclamation);
            return DrawResult::Cancelled;
        } catch (const FileError&) {
            w.services.Pause(2000);
            ++failures;
            if (failures <= 6) continue;
            if (w.AskYes("Having trouble reading " + f.EvNumPath + " Y to retry after checking Q is available.",
                         "Unable to READ from the server!", Icon::Error))
                failures = 0;
            else
                return DrawLocally(w);
        }
    }
}

void AdvanceAfterSave(ActivityForm& f) {
    if (!f.EditingRow) {
        if (f.NextEventNumber < 32767)
            ++f.NextEventNumber;
        else
            f.StatusBar1.panel[1] = "Event number 32767 reached: the counter is full.";
    }
    f.Text1[5].text = IntText(f.NextEventNumber);
}

void RollBackEventNumber(Workstation& w) {
    auto& f = w.frmActivity;
    f.Text1[5].text = NumText(Val(f.Text1[5].text) - 2);
    try {
        WriteEventNumberFile(w.files(), f.EvNumPath, f.Text1[5].text);
    } catch (const FileError& e) {
        w.Msg("Unable to write " + f.EvNumPath + " (" + e.what() +
                  "). The number was rolled back on this station only; check the drive.",
              Icon::Exclamation);
    }
    try {
        f.NextEventNumber = ToInt16(Val(f.Text1[5].text) + 1);
    } catch (const OverflowError&) {
        f.NextEventNumber = 32767;
    }
    f.RollbackPending = true;
}

}  // namespace varnel
