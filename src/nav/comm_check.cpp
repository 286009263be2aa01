#include "nav/comm_check.h"

#include "config/configuration.h"
#include "nav/gps_file.h"
#include "nav/receiver_status.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/number_text.h"

namespace varnel {

namespace {

template <size_t N>
void SelectOption(std::array<OptionButton, N>& group, int k) {
    for (size_t i = 0; i < N; ++i) group[i].value = static_cast<int>(i) == k;
}

template <size_t N>
int Selected(const std::array<OptionButton, N>& group) {
    for (size_t i = 0; i < N; ++i)
        if (group[i].value) return static_cast<int>(i);
    return -1;
}

}  // namespace

std::string SettingsText(const CommCheckForm& c, std::string& baud) {
    int b = Selected(c.Option2);
    baud = b == 3 ? Trim(c.Text3.text) : (b >= 0 ? c.Option2[static_cast<size_t>(b)].caption : "");
    return baud + "," + (c.Option3[1].value ? "e" : "n") + "," + (c.Option4[0].value ? "7" : "8") + "," +
           (c.Option5[0].value ? "1" : "2");
}

void CommCheck_Form_Load(Workstation& w) {
    auto& c = w.frmCommCheck;
    c.loaded = true;
    c.Text2[0].text = w.cfg.PrimarySentence();
    c.Text2[1].text = w.cfg.SecondSentence();
    c.Timer1.interval = 5000;
    c.Timer1.enabled = true;
    if (w.services.SerialIsOpen()) {
        Answer a = w.prompts.MsgBox("Comm Port is already open, reset? Y/N (N will display current input)",
                                    Buttons::YesNoCancel, Icon::None, "Com Port Opened, Reset?");
        c.reading = a == Answer::Yes ? 0 : 1;
    } else {
        c.reading = 0;
    }
    double n = Val(w.cfg.ComPort()) - 1;
    if (n >= 0 && n <= 4)
        SelectOption(c.Option1, static_cast<int>(n));
    else if (n > 4) {
        SelectOption(c.Option1, 4);
        c.Text1.text = Trim(w.cfg.ComPort());
    }
    c.Command1.enabled = false;
    auto fields = SplitAtCommas(w.cfg.ComSettings());
    if (fields.size() > 4) {
        w.Msg("Other settings not configurable...");
        return;
    }
    fields.resize(4);
    double baud = Val(fields[0]);
    if (baud == 24 || baud == 2400)
        SelectOption(c.Option2, 0);
    else if (baud == 48 || baud == 4800)
        SelectOption(c.Option2, 1);
    else if (baud == 96 || baud == 9600)
        SelectOption(c.Option2, 2);
    else {
        SelectOption(c.Option2, 3);
        c.Text3.text = fields[0];
    }
    SelectOption(c.Option3, (fields[1] == "E" || fields[1] == "e") ? 1 : 0);
    SelectOption(c.Option4, Val(fields[2]) == 7 ? 0 : 1);
    SelectOption(c.Option5, Val(fields[3]) == 1 ? 0 : 1);
}

void ShowCommCheck(Workstation& w) {
    if (!w.frmCommCheck.loaded) CommCheck_Form_Load(w);
    w.frmCommCheck.visible = true;
}

void btnGo_Click(Workstation& w) {
    auto& c = w.frmCommCheck;
    if (c.reading) {
        c.reading = 0;
        if (w.services.SerialIsOpen()) w.services.SerialClose();
        c.btnGo.caption = "Go";
        return;
    }
    int sel = Selected(c.Option1);
    int port = sel >= 0 && sel < 4 ? sel + 1 : static_cast<int>(Val(c.Text1.text));
    if (sel == 4 && port == 0) {
        w.Msg("Enter the Com port number in the text box and try again!");
        return;
    }
    std::string baud;
    std::string settings = SettingsText(c, baud);
    if (baud.empty()) {
        w.Msg("Enter the baud rate in the text box and try again!");
        return;
    }
    bool ok = true;
    if (!w.services.SerialIsOpen()) ok = w.services.SerialOpen(port, settings);
    c.reading = 1;
    c.txtDisplay.text.clear();
    c.buffer.clear();
    c.btnGo.caption = "Stop";
    if (!ok) {
        c.reading = 0;
        w.Msg("Com port" + IntText(port) + " not found.  Check your com port setting and try again.");
        c.btnGo.caption = "Go";
    }
}

void FetchInput(Workstation& w) {
    auto& c = w.frmCommCheck;
    if (c.reading != 1) return;
    c.buffer += w.services.SerialRead();
    std::string err = w.services.SerialError();
    if (!err.empty()) {
        c.reading = 0;
        if (w.services.SerialIsOpen()) w.services.SerialClose();
        c.btnGo.caption = "Go";
        w.Msg("The GPS serial port stopped: " + err + ". Reading has stopped; reconnect the receiver and press Go.");
    }
}

void ParseInput(Workstation& w) {
    auto& c = w.frmCommCheck;
    if (c.buffer.empty()) return;
    size_t cr;
    while ((cr = c.buffer.find('\r')) != std::string::npos) {
        std::string line = c.buffer.substr(0, cr);
        c.buffer.erase(0, std::min(cr + 2, c.buffer.size()));
        NoteSentence(c, line, w.services.ElapsedMs(), UtcSecondOfDay(w.services));
        c.txtDisplay.text += line + "\r\n";
        if (c.txtDisplay.text.size() > kDisplayLimit)
            c.txtDisplay.text = c.txtDisplay.text.substr(c.txtDisplay.text.size() - kDisplayLimit);
    }
    if (c.buffer.size() > kBufferCap) {
        c.buffer.erase(0, c.buffer.size() - kBufferCap / 2);
        if (!c.bufferCapped) {
            c.bufferCapped = true;
            std::string note = "[no line end received: check the baud rate]\r\n";
            c.txtDisplay.text = Right(c.txtDisplay.text + note, kDisplayLimit);
        }
    }
    WriteSentenceFile(w, c.txtDisplay.text);
}

void CommCheck_Timer1_Timer(Workstation& w) {
    if (w.frmCommCheck.reading != 1) return;
    FetchInput(w);
    ParseInput(w);
    w.frmCommCheck.lblReceiver.caption = ReceiverSummary(w.frmCommCheck, w.services.ElapsedMs());
}

void CommCheck_Command1_Click(Workstation& w) {
    auto& c = w.frmCommCheck;
    int sel = Selected(c.Option1);
    if (sel == 4) {
        if (!(Val(c.Text1.text) > 0)) {
            w.Msg("Please enter the commport value before saving settings");
            return;
        }
        w.cfg.SetComPort(NumText(Val(c.Text1.text)));
    } else {
        w.cfg.SetComPort(IntText(sel + 1));
    }
    std::string baud;
    std::string settings = SettingsText(c, baud);
    if (baud.empty()) {
        w.Msg("Enter the baud rate in the text box and try again!");
        return;
    }
    w.cfg.SetComSettings(settings);
    try {
        WriteConfiguration(w.files(), w.cfg, true);
        c.Command1.enabled = false;
    } catch (const FileError& e) {
        w.Msg(std::string("Unable to write ") + kConfigPath + ": " + e.what(), Icon::Exclamation);
    }
}

void CommCheck_Command2_Click(Workstation& w) {
    w.frmCommCheck.visible = false;
    w.frmActivity.visible = true;
}

void CommCheck_Option_Click(Workstation& w, int group, int index) {
    auto& c = w.frmCommCheck;
    switch (group) {
        case 1:
            SelectOption(c.Option1, index);
            if (index + 1 != static_cast<int>(Val(w.cfg.ComPort()))) c.Command1.enabled = true;
            return;
        case 2:
            SelectOption(c.Option2, index);
            break;
        case 3:
            SelectOption(c.Option3, index);
            break;
        case 4:
            SelectOption(c.Option4, index);
            break;
        case 5:
            SelectOption(c.Option5, index);
            break;
        default:
            return;
    }
    c.Command1.enabled = true;
}

}  // namespace varnel
