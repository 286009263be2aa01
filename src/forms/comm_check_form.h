// frmCommCheck, "GPS Settings": the serial port's settings, Go/Stop, the live
// display of received sentences, "Save Settings" and "Hide GPS".
#pragma once
#include <array>
#include <deque>
#include <set>
#include <string>

#include "platform/controls.h"

namespace varnel {

struct CommCheckForm {
    CommCheckForm();

    std::string caption = "GPS Settings";
    bool loaded = false;
    bool visible = false;

    std::array<TextBox, 2> Text2;  // GPS 1st / GPS 2nd identifiers
    Frame Frame1, Frame2, Frame3, Frame4, Frame5;
    std::array<OptionButton, 5> Option1;  // Com1..Com4, Com
    TextBox Text1;                        // port number for "Com"
    std::array<OptionButton, 4> Option2;  // 2400, 4800, 9600, other
    TextBox Text3;                        // the other baud rate
    std::array<OptionButton, 2> Option3;  // parity none, even
    std::array<OptionButton, 2> Option4;  // data bits 7, 8
    std::array<OptionButton, 2> Option5;  // stop bits 1, 2
    Button btnGo, Command1, Command2;
    TextBox txtDisplay;
    Timer Timer1;

    int reading = 0;     // 1 while input is fetched
    std::string buffer;  // received, not yet shown
    bool bufferCapped = false;
    // The receiver at a glance, shown under the display (lblReceiver).
    Label lblReceiver;
    std::set<std::string> talkers;             // talkers seen ("GP", "GN")
    std::string fixQuality, satellites, hdop;  // from the last GGA
    long skippedSentences = 0;                 // sentences with a wrong checksum
    std::deque<long long> sentenceTimes;       // when the sentences of the last 10 s came
    long long lastSentenceMs = -1;
    bool haveClockOffset = false;  // the workstation's UTC clock minus the receiver's time,
    long long clockOffsetS = 0;    // measured as the sentences arrive
};

}  // namespace varnel
