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
std::optional<ControlRef> At(std::array<T, N>& arr, int i) {
    if (i < 0 || static_cast<size_t>(i) >= N) return std::nullopt;
    return ControlRef(&arr[static_cast<size_t>(i)]);
}

std::optional<ControlRef> GridRef(Grid& g, const ParsedName& n) {
    if (n.index < 0) return ControlRef(&g);
    int col = n.index2 < 0 ? 0 : n.index2;
    if (n.index >= g.rows || col >= g.cols) return std::nullopt;
    return ControlRef(CellRef{&g, n.index, col});
}

std::optional<ControlRef> Main(ActivityForm& f, const ParsedName& n) {
    const std::string& b = n.base;
    if (b == "Command1") return At(f.Command1, n.index);
    if (b == "Text1") return At(f.Text1, n.index);
    if (b == "Combo1") return ControlRef(&f.Combo1);
    if (b == "Combo2") return ControlRef(&f.Combo2);
    if (b == "Combo3") return ControlRef(&f.Combo3);
    if (b == "Combo4") return ControlRef(&f.Combo4);
    if (b == "txtComments") return ControlRef(&f.txtComments);
    if (b == "Frame4") return ControlRef(&f.Frame4);
    if (b == "Frame5") return ControlRef(&f.Frame5);
    if (b == "Frame6") return ControlRef(&f.Frame6);
    if (b == "Option5") return At(f.Option5, n.index);
    if (b == "Option3") return At(f.Option3, n.index);
    if (b == "Option4") return At(f.Option4, n.index);
    if (b == "Option1") return At(f.Option1, n.index);
    if (b == "Check1") return At(f.Check1, n.index);
    if (b == "frmSelectEvent") return ControlRef(&f.frmSelectEvent);
    if (b == "frmSelectMulti") return ControlRef(&f.frmSelectMulti);
    if (b == "EventLog") return GridRef(f.EventLog, n);
    if (b == "Text2") return ControlRef(&f.Text2);
    if (b == "Timer1") return ControlRef(&f.Timer1);
    if (b == "Label1") return At(f.Label1, n.index);
    if (b == "StatusBar1") {
        if (n.index < 1 || n.index > 6) return std::nullopt;
        return ControlRef(PanelRef{&f.StatusBar1, n.index});
    }
    for (auto& e : f.MenuTree())
        if (b == e.name) return ControlRef(e.item);
    return std::nullopt;
}

}  // namespace

std::optional<ControlRef> FindControl(Workstation& w, const ParsedName& n) {
    if (n.window.empty() || n.window == "frmActivity") return Main(w.frmActivity, n);
    const std::string& b = n.base;
    if (n.window == "frmCommCheck") {
        auto& c = w.frmCommCheck;
        if (b == "Text2") return At(c.Text2, n.index);
        if (b == "Text1") return ControlRef(&c.Text1);
        if (b == "Text3") return ControlRef(&c.Text3);
        if (b == "Option1") return At(c.Option1, n.index);
        if (b == "Option2") return At(c.Option2, n.index);
        if (b == "Option3") return At(c.Option3, n.index);
        if (b == "Option4") return At(c.Option4, n.index);
        if (b == "Option5") return At(c.Option5, n.index);
        if (b == "btnGo") return ControlRef(&c.btnGo);
        if (b == "Command1") return ControlRef(&c.Command1);
        if (b == "Command2") return ControlRef(&c.Command2);
        if (b == "txtDisplay") return ControlRef(&c.txtDisplay);
        if (b == "Timer1") return ControlRef(&c.Timer1);
        if (b == "Frame1") return ControlRef(&c.Frame1);
        return std::nullopt;
    }
    if (n.window == "FrmEditCFG") {
        auto& e = w.FrmEditCFG;
        if (b == "Text1") return At(e.Text1, n.index);
        if (b == "Combo1") return At(e.Combo1, n.index);
        if (b == "Label1") return At(e.Label1, n.index);
        if (b == "Command1") return At(e.Command1, n.index);
        return std::nullopt;
    }
    if (n.window == "frmEventEdit") {
        auto& e = w.frmEventEdit;
        if (b == "EventList") return GridRef(e.EventList, n);
        if (b == "Command1") return At(e.Command1, n.index);
        return std::nullopt;
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
