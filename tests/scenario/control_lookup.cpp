#include "control_lookup.h"

#include <cstdlib>

namespace varnel::scenario {

ParsedName ParseName(const std::string& name) {
    ParsedName p;
    std::string rest = name;
    auto dot = rest.find('.');
    auto paren = rest.find('(');
    if (dot != std::string::npos && (paren == std::string::npos || dot < paren)) {
        p.window = rest.substr(0, dot);
        rest = rest.substr(dot + 1);
    }
    paren = rest.find('(');
    if (paren == std::string::npos) {
        p.base = rest;
        return p;
    }
    p.base = rest.substr(0, paren);
    std::string args = rest.substr(paren + 1, rest.find(')') - paren - 1);
    auto comma = args.find(',');
    p.index = std::atoi(args.substr(0, comma).c_str());
    if (comma != std::string::npos) p.index2 = std::atoi(args.substr(comma + 1).c_str());
    return p;
}

namespace {
template <typename T, size_t N>
std::optional<ControlRef> Ref(std::array<T, N>& arr, const ParsedName& n) {
    if (n.index < 0 || static_cast<size_t>(n.index) >= N) return std::nullopt;
    return ControlRef(&arr[static_cast<size_t>(n.index)]);
}
template <typename T>
std::optional<ControlRef> Ref(T& c, const ParsedName&) {
    return ControlRef(&c);
}
std::optional<ControlRef> Ref(Grid& g, const ParsedName& n) {
    if (n.index < 0) return ControlRef(&g);
    int col = n.index2 < 0 ? 0 : n.index2;
    if (n.index >= g.rows || col >= g.cols) return std::nullopt;
    return ControlRef(CellRef{&g, n.index, col});
}

// A control of the form F named as its member.
#define VARNEL_CONTROL(form, member) \
    if (n.base == #member) return Ref(form.member, n)

std::optional<ControlRef> Main(ActivityForm& f, const ParsedName& n) {
    // clang-format off
    VARNEL_CONTROL(f, Command1); VARNEL_CONTROL(f, Text1); VARNEL_CONTROL(f, Combo1); VARNEL_CONTROL(f, Combo2);
    VARNEL_CONTROL(f, Combo3); VARNEL_CONTROL(f, Combo4); VARNEL_CONTROL(f, txtComments); VARNEL_CONTROL(f, Frame4);
    VARNEL_CONTROL(f, Frame5); VARNEL_CONTROL(f, Frame6); VARNEL_CONTROL(f, Option5); VARNEL_CONTROL(f, Option3);
    VARNEL_CONTROL(f, Option4); VARNEL_CONTROL(f, Option1); VARNEL_CONTROL(f, Check1); VARNEL_CONTROL(f, frmSelectEvent);
    VARNEL_CONTROL(f, frmSelectMulti); VARNEL_CONTROL(f, EventLog); VARNEL_CONTROL(f, Text2); VARNEL_CONTROL(f, Timer1);
    VARNEL_CONTROL(f, Label1); VARNEL_CONTROL(f, Deployments); VARNEL_CONTROL(f, lblDeployments);
    VARNEL_CONTROL(f, DeployNotice); VARNEL_CONTROL(f, cmdNotice); VARNEL_CONTROL(f, CfgNotice);
    VARNEL_CONTROL(f, cmdCfgNotice);
    // clang-format on
    if (n.base == "StatusBar1") {
        if (n.index < 1 || n.index > 9) return std::nullopt;
        return ControlRef(PanelRef{&f.StatusBar1, n.index});
    }
    for (auto& e : f.MenuTree())
        if (n.base == e.name) return ControlRef(e.item);
    return std::nullopt;
}

}  // namespace

std::optional<ControlRef> FindControl(Workstation& w, const ParsedName& n) {
    if (n.window.empty() || n.window == "frmActivity") return Main(w.frmActivity, n);
    if (n.window == "frmCommCheck") {
        auto& c = w.frmCommCheck;
        // clang-format off
        VARNEL_CONTROL(c, Text1); VARNEL_CONTROL(c, Text2); VARNEL_CONTROL(c, Text3); VARNEL_CONTROL(c, Option1);
        VARNEL_CONTROL(c, Option2); VARNEL_CONTROL(c, Option3); VARNEL_CONTROL(c, Option4); VARNEL_CONTROL(c, Option5);
        VARNEL_CONTROL(c, btnGo); VARNEL_CONTROL(c, Command1); VARNEL_CONTROL(c, Command2); VARNEL_CONTROL(c, txtDisplay);
        VARNEL_CONTROL(c, Timer1); VARNEL_CONTROL(c, Frame1); VARNEL_CONTROL(c, lblReceiver);
        // clang-format on
    } else if (n.window == "FrmEditCFG") {
        auto& e = w.FrmEditCFG;
        // clang-format off
        VARNEL_CONTROL(e, Text1); VARNEL_CONTROL(e, Combo1); VARNEL_CONTROL(e, Label1); VARNEL_CONTROL(e, Command1);
        // clang-format on
    } else if (n.window == "frmEventEdit") {
        auto& e = w.frmEventEdit;
        // clang-format off
        VARNEL_CONTROL(e, EventList); VARNEL_CONTROL(e, Command1);
        // clang-format on
    }
    return std::nullopt;
}

namespace {

std::string Bool(bool b) {
    return b ? "true" : "false";
}

// The fields a property can name, from whichever control model holds them.
template <typename T>
std::optional<std::string> Field(const T& c, const std::string& prop) {
    if constexpr (requires { c.visible; })
        if (prop == "visible") return Bool(c.visible);
    if constexpr (requires { c.enabled; })
        if (prop == "enabled") return Bool(c.enabled);
    if constexpr (requires { c.caption; })
        if (prop == "caption") return c.caption;
    if constexpr (requires { c.interval; })
        if (prop == "interval") return std::to_string(c.interval);
    if constexpr (requires { c.locked; })
        if (prop == "editable") return Bool(!c.locked);
    if constexpr (requires { c.items; }) {
        std::string s;
        for (size_t i = 0; i < c.items.size(); ++i) s += (i ? "|" : "") + c.items[i];
        if (prop == "items") return s;
    }
    if constexpr (std::is_base_of_v<Control, T>) {
        const Control& k = c;
        if (prop == "tooltip") return k.tooltip;
        for (auto [name, v] : {std::pair{"width", k.width}, {"height", k.height}, {"top", k.top}, {"left", k.left}})
            if (prop == name) return std::to_string(v);
    }
    return std::nullopt;
}

}  // namespace

std::string MainValue(const ControlRef& c) {
    return std::visit(
        [](auto p) -> std::string {
            if constexpr (std::is_same_v<decltype(p), CellRef>) {
                return p.grid->Cell(p.row, p.col);
            } else if constexpr (std::is_same_v<decltype(p), PanelRef>) {
                return p.bar->panel[static_cast<size_t>(p.panel)];
            } else if constexpr (requires { p->value; }) {
                return Bool(p->value != 0);
            } else if constexpr (requires { p->text; }) {
                return p->text;
            } else if constexpr (requires { p->checked; }) {
                return Bool(p->checked);
            } else if constexpr (requires { p->caption; }) {
                return p->caption;
            } else if constexpr (requires { p->cells; }) {
                return p->Cell(p->row, p->col);
            } else {
                return Bool(p->enabled);
            }
        },
        c);
}

std::optional<std::string> Property(const ControlRef& c, const std::string& prop, int arg) {
    if (auto* p = std::get_if<PanelRef>(&c)) {
        if (prop == "tooltip") return p->bar->panelTooltip[static_cast<size_t>(p->panel)];
        if (prop == "alert") return Bool(p->bar->panelAlert[static_cast<size_t>(p->panel)]);
        if (prop == "caption") return MainValue(c);
        return std::nullopt;
    }
    if (auto* cell = std::get_if<CellRef>(&c)) {
        if (prop == "alert")
            return Bool(static_cast<size_t>(cell->row) < cell->grid->rowAlert.size() &&
                        cell->grid->rowAlert[static_cast<size_t>(cell->row)]);
        return Property(ControlRef(cell->grid), prop, arg);
    }
    if (auto* g = std::get_if<Grid*>(&c); g && (prop == "row" || prop == "col"))
        return std::to_string(prop == "row" ? (*g)->row : (*g)->col);
    if (auto* g = std::get_if<Grid*>(&c);
        g && prop == "colwidth" && arg >= 0 && static_cast<size_t>(arg) < (*g)->colWidth.size())
        return std::to_string((*g)->colWidth[static_cast<size_t>(arg)]);
    auto v = std::visit(
        [&](auto p) -> std::optional<std::string> {
            if constexpr (std::is_pointer_v<decltype(p)>)
                return Field(*p, prop);
            else
                return std::nullopt;
        },
        c);
    if (!v && prop == "caption") return MainValue(c);
    return v;
}

}  // namespace varnel::scenario
