// Names of the scenario language ("Text1(5)", "frmCommCheck.btnGo",
// "EventLog(2,5)", "StatusBar1(1)") resolved to the control models of a workstation.
#pragma once
#include <optional>
#include <string>
#include <variant>

#include "forms/workstation.h"

namespace varnel::scenario {

struct CellRef {
    Grid* grid;
    int row, col;
};
struct PanelRef {
    StatusBar* bar;
    int panel;
};

using ControlRef = std::variant<TextBox*, ComboBox*, Button*, OptionButton*, CheckBox*, Frame*, Label*, MenuItem*,
                                Grid*, CellRef, PanelRef, Timer*>;

struct ParsedName {
    std::string window;  // "" for the main window
    std::string base;    // "Text1"
    int index = -1;      // (N)
    int index2 = -1;     // (N,M)
};

ParsedName ParseName(const std::string& name);
std::optional<ControlRef> FindControl(Workstation& w, const ParsedName& n);
// The main value and a named property as text; nullopt when the property is unknown.
std::string MainValue(const ControlRef& c);
std::optional<std::string> Property(const ControlRef& c, const std::string& prop, int arg);

}  // namespace varnel::scenario
