#include "forms/edit_cfg_form.h"

#include "config/configuration.h"

namespace varnel {

int EditCfgComboForRow(int row) {
    switch (row) {
        case 10:
            return 0;
        case 11:
            return 1;
        case 16:
            return 2;
        case 17:
            return 3;
        case 19:
            return 4;
        case 20:
            return 5;
        default:
            return -1;
    }
}

EditCfgForm::EditCfgForm() {
    for (int r = 1; r <= 20; ++r) {
        auto& l = Label1[static_cast<size_t>(r)];
        l.caption = kCfgLabels[static_cast<size_t>(r)];
        l.top = (r - 1) * 360;
    }
    Label1[11].tooltip = "GPS, UDP, KNORR, MET, JD, SCS, Network";
    Label1[14].tooltip = "Primary GPS information usually $GPGGA or $GPRMC";
    Label1[15].tooltip = "If primary GPS string does not contain Date/Time, use this string's Date/Time";
    Label1[16].tooltip =
        "STANDARD is standard line.sta; CALC is calculated line.sta; SELECT is manual selection of Line.Sta";
    const char* samples[] = {"",
                             "Ormanti",
                             "0701JD",
                             "C:\\CODES\\2007\\0701\\Events\\",
                             "C:\\CODES\\2007\\0701\\Events\\",
                             "BridgeEvents.txt",
                             "Watch.txt",
                             "EventNumber.txt",
                             "CurrPos.txt",
                             "15000"};
    for (size_t i = 1; i <= 9; ++i) Text1[i].text = samples[i];
    Text1[14].text = "$GPGGA";
    Text1[15].text = "$GPRMC";
    Text1[18].text = "CommentOpt.txt";
    Text1[14].tooltip = Label1[14].tooltip;
    Text1[15].tooltip = Label1[15].tooltip;
    Text1[18].tooltip = "File that fills in the Comment Options";
    Combo1[5].tooltip = "Julian Time Long or Short; Event select options: checkbox or single pick";
    Command1[0].caption = "Update/Save";
    Command1[1].caption = "Close Window";
}

}  // namespace varnel
