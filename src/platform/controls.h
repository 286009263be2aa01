// Models of the window controls: exactly what the logic reads and sets (captions,
// texts, values, visibility, enabled flags, tooltips, list entries, a few geometry
// numbers). The Qt views show them; the headless runner inspects them.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace varnel {

struct Control {
    bool visible = true;
    bool enabled = true;
    std::string tooltip;
    int left = 0, top = 0, width = 0, height = 0;  // pixels unless noted
};

struct TextBox : Control {
    std::string text;
    bool locked = false;  // not editable by the operator
};

struct ComboBox : Control {
    std::string text;
    std::vector<std::string> items;
};

struct Button : Control {
    std::string caption;
};

struct OptionButton : Control {
    std::string caption;
    bool value = false;
};

struct CheckBox : Control {
    std::string caption;
    int value = 0;  // 0 unchecked, 1 checked
};

struct Frame : Control {
    std::string caption;
};

struct Label : Control {
    std::string caption;
};

struct MenuItem {
    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
};

struct Timer {
    int interval = 0;  // milliseconds
    bool enabled = false;
};

// A grid of text cells with fixed header rows; column widths in twips.
struct Grid : Control {
    int rows = 0, cols = 0, fixedRows = 1, fixedCols = 0;
    int row = 0, col = 0;  // current cell
    std::vector<std::vector<std::string>> cells;
    std::vector<int> colWidth;
    std::vector<bool> rowAlert;  // rows shown in the alert colour

    void Resize(int r, int c) {
        rows = r;
        cols = c;
        cells.assign(static_cast<size_t>(r), std::vector<std::string>(static_cast<size_t>(c)));
        colWidth.resize(static_cast<size_t>(c), 1000);
    }
    // Throws std::out_of_range beyond the grid, as the grid control raises an error.
    std::string& Cell(int r, int c) { return cells.at(static_cast<size_t>(r)).at(static_cast<size_t>(c)); }
    const std::string& Cell(int r, int c) const { return cells.at(static_cast<size_t>(r)).at(static_cast<size_t>(c)); }
};

// Six panels numbered 1 to 6 (element 0 unused), then panel 7 (the station's own most
// urgent notice, such as events waiting for the shared folder, shown only while any is posted), panel 8 (the health of
// the position fix) and panel 9 (operations overdue in the water). An alert panel is shown in a colour that reads on a
// dim bridge screen.
struct StatusBar : Control {
    std::array<std::string, 10> panel{};
    std::array<std::string, 10> panelTooltip{};
    std::array<bool, 10> panelAlert{};
};

}  // namespace varnel
