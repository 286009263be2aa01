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
    VARNEL_CONTROL(f, Label1);
    // clang-format on
    if (n.base == "StatusBar1") {
        if (n.index < 1 || n.index > 6) return std::nullopt;
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
        VARNEL_CONTROL(c, Timer1); VARNEL_CONTROL(c, Frame1);
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
template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

const Control* AsControl(const ControlRef& c) {
    return std::visit(
        Overloaded{[](TextBox* p) -> const Control* { return p; }, [](ComboBox* p) -> const Control* { return p; },
                   [](Button* p) -> const Control* { return p; }, [](OptionButton* p) -> const Control* { return p; },
                   [](CheckBox* p) -> const Control* { return p; }, [](Frame* p) -> const Control* { return p; },
                   [](Label* p) -> const Control* { return p; }, [](Grid* p) -> const Control* { return p; },
                   [](CellRef r) -> const Control* { return r.grid; },
                   [](PanelRef r) -> const Control* { return r.bar; }, [](auto*) -> const Control* { return nullptr; }},
        c);
}
}  // namespace

std::string MainValue(const ControlRef& c) {
    return std::visit(Overloaded{[](TextBox* p) { return p->text; }, [](ComboBox* p) { return p->text; },
                                 [](Button* p) { return p->caption; }, [](OptionButton* p) { return Bool(p->value); },
                                 [](CheckBox* p) { return Bool(p->value != 0); }, [](Frame* p) { return p->caption; },
                                 [](Label* p) { return p->caption; }, [](MenuItem* p) { return Bool(p->checked); },
                                 [](Grid* p) { return p->Cell(p->row, p->col); },
                                 [](CellRef r) { return r.grid->Cell(r.row, r.col); },
                                 [](PanelRef r) { return r.bar->panel[static_cast<size_t>(r.panel)]; },
                                 [](Timer* t) { return Bool(t->enabled); }},
                      c);
}

std::optional<std::string> Property(const ControlRef& c, const std::string& prop, int arg) {
    if (auto* m = std::get_if<MenuItem*>(&c)) {
        if (prop == "caption") return (*m)->caption;
        if (prop == "checked") return Bool((*m)->checked);
        if (prop == "enabled") return Bool((*m)->enabled);
        if (prop == "visible") return Bool((*m)->visible);
        return std::nullopt;
    }
    if (auto* t = std::get_if<Timer*>(&c)) {
        if (prop == "interval") return std::to_string((*t)->interval);
        if (prop == "enabled") return Bool((*t)->enabled);
        return std::nullopt;
    }
    if (auto* p = std::get_if<PanelRef>(&c)) {
        if (prop == "text" || prop == "caption") return p->bar->panel[static_cast<size_t>(p->panel)];
        if (prop == "tooltip") return p->bar->panelTooltip[static_cast<size_t>(p->panel)];
    }
    const Control* ctl = AsControl(c);
    if (prop == "caption") {
        if (auto* o = std::get_if<OptionButton*>(&c)) return (*o)->caption;
        if (auto* k = std::get_if<CheckBox*>(&c)) return (*k)->caption;
        return MainValue(c);
    }
    if (prop == "text" || prop == "value" || prop == "checked") return MainValue(c);
    if (!ctl) return std::nullopt;
    if (prop == "visible") return Bool(ctl->visible);
    if (prop == "enabled") return Bool(ctl->enabled);
    if (prop == "tooltip") return ctl->tooltip;
    if (prop == "width") return std::to_string(ctl->width);
    if (prop == "height") return std::to_string(ctl->height);
    if (prop == "top") return std::to_string(ctl->top);
    if (prop == "left") return std::to_string(ctl->left);
    if (auto* t = std::get_if<TextBox*>(&c); t && prop == "editable") return Bool(!(*t)->locked);
    if (auto* cb = std::get_if<ComboBox*>(&c)) {
        if (prop == "items") {
            std::string s;
            for (size_t i = 0; i < (*cb)->items.size(); ++i) s += (i ? "|" : "") + (*cb)->items[i];
            return s;
        }
        if (prop == "count") return std::to_string((*cb)->items.size());
    }
    const Grid* g = nullptr;
    if (auto* gp = std::get_if<Grid*>(&c)) g = *gp;
    if (auto* cr = std::get_if<CellRef>(&c)) g = cr->grid;
    if (g) {
        if (prop == "row") return std::to_string(g->row);
        if (prop == "colwidth" && arg >= 0 && static_cast<size_t>(arg) < g->colWidth.size())
            return std::to_string(g->colWidth[static_cast<size_t>(arg)]);
        if (prop == "rows" || prop == "count") return std::to_string(g->rows);
    }
    return std::nullopt;
}

}  // namespace varnel::scenario
