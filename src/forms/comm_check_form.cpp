#include "forms/comm_check_form.h"

namespace varnel {

CommCheckForm::CommCheckForm() {
    Frame1.caption = "GPS Port";
    Frame2.caption = "Baud";
    Frame3.caption = "Parity";
    Frame4.caption = "DataBits";
    Frame5.caption = "StopBits";
    const char* ports[] = {"Com1", "Com2", "Com3", "Com4", "Com"};
    for (size_t i = 0; i < 5; ++i) Option1[i].caption = ports[i];
    const char* bauds[] = {"2400", "4800", "9600", "Other"};
    for (size_t i = 0; i < 4; ++i) Option2[i].caption = bauds[i];
    Option3[0].caption = "None";
    Option3[1].caption = "Even";
    Option4[0].caption = "7";
    Option4[1].caption = "8";
    Option5[0].caption = "1";
    Option5[1].caption = "2";
    btnGo.caption = "GO";
    btnGo.tooltip = "Verify Serial Port Settings then single-click to start GPS input";
    txtDisplay.text =
        "Click [GO] to initiate GPS serial input\r\nWait for GPS text to display\r\nthen click [Hide GPS]\r\n";
    Command1.caption = "Save Settings";
    Command1.tooltip = "Save changes of comm port settings to varnelgps.cfg";
    Command2.caption = "Hide GPS";
    Command2.tooltip = "Once GPS display is started, hide this form to begin Event Logging";
    Timer1.interval = 5000;
    Timer1.enabled = true;
}

}  // namespace varnel
