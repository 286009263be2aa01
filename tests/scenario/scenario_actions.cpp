#include "scenario_actions.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "app/config_editor.h"
#include "app/menu_commands.h"
#include "events/deployment_watch.h"
#include "events/event_grid.h"
#include "events/recording.h"
#include "lists/comment_options.h"
#include "lists/event_editor.h"
#include "lists/line_station_boxes.h"
#include "lists/selection.h"
#include "nav/comm_check.h"
#include "platform/code_page.h"
#include "platform/headless/headless_host.h"
#include "station/station_tick.h"

namespace varnel::scenario {

namespace {

OptionFrame FrameOf(const std::string& base) {
    if (base == "Option5") return OptionFrame::StationType;
    if (base == "Option3") return OptionFrame::SeaConditions;
    return OptionFrame::DayNight;
}

std::string Text(const std::string& s) {
    return s;
}
template <typename T>
std::string Text(T v) requires std::is_integral_v<T> {
    return std::to_string(v);
}
std::string Text(bool v) {
    return v ? "true" : "false";
}
std::string Text(NavSource s) {
    return std::string(NavSourceName(s));
}

}  // namespace

std::string StateValue(Workstation& w, HeadlessHost& host, const std::string& name) {
    auto& f = w.frmActivity;
#define VARNEL_STATE(state, member) \
    if (name == #state) return Text(f.member)
#define VARNEL_SAME(member) VARNEL_STATE(member, member)
    // clang-format off
    VARNEL_SAME(NextEventNumber); VARNEL_SAME(NetworkMode); VARNEL_SAME(EvNumPath); VARNEL_SAME(EventListPath);
    VARNEL_SAME(EventRole); VARNEL_SAME(PreloadMode); VARNEL_SAME(SamplingInterval); VARNEL_SAME(MultiMode);
    VARNEL_SAME(NavSource); VARNEL_SAME(ManualEventNumber); VARNEL_SAME(RollbackPending); VARNEL_SAME(EditingRow);
    VARNEL_SAME(LastEventIndex); VARNEL_SAME(OrdOcc); VARNEL_SAME(DecLat); VARNEL_SAME(DecLon); VARNEL_SAME(CalcLine);
    VARNEL_SAME(CalcSta); VARNEL_SAME(StndLine); VARNEL_SAME(EvNumRetries); VARNEL_SAME(LastEventLine);
    VARNEL_SAME(LastEventName);
    VARNEL_STATE(GridRow, gridRow); VARNEL_STATE(UdpMalformed, udpMalformed); VARNEL_STATE(title, caption);
    // clang-format on
#undef VARNEL_SAME
#undef VARNEL_STATE
    if (name.rfind("CfgLines(", 0) == 0) return w.cfg[std::atoi(name.c_str() + 9)];
    if (name.rfind("CfgMark(", 0) == 0) return w.FrmEditCFG.marks.at(static_cast<size_t>(std::atoi(name.c_str() + 8)));
    if (name == "UdpPort") return Text(host.udpPort);
    if (name == "clock") {
        DateTime t = host.Now();
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
        return buf;
    }
    throw Failure("unknown state " + name);
}

namespace {

ControlRef Control(Workstation& w, const std::string& name) {
    auto c = FindControl(w, ParseName(name));
    if (!c) throw Failure("no control " + name);
    return *c;
}

}  // namespace

std::string CheckValue(Workstation& w, const std::string& name) {
    // NAME.property, where property may carry an argument: EventLog.colwidth(3)
    static const char* props[] = {"caption", "visible", "enabled",  "editable", "tooltip", "width", "height", "top",
                                  "left",    "items",   "interval", "colwidth", "alert",   "row",   "col"};
    std::string base = name, prop;
    int arg = -1;
    if (auto dot = name.rfind('.'); dot != std::string::npos) {
        std::string p = name.substr(dot + 1);
        for (auto* k : props)
            if (p.substr(0, p.find('(')) == k) {
                prop = k;
                if (p.find('(') != std::string::npos) arg = std::atoi(p.c_str() + p.find('(') + 1);
                base = name.substr(0, dot);
            }
    }
    if (base == "frmSelectEvent" && prop.empty()) return w.frmActivity.frmSelectEvent.caption;
    // The windows themselves: their caption and visibility.
    const std::map<std::string, std::pair<std::string, bool>> windows = {
        {"frmActivity", {w.frmActivity.caption, w.frmActivity.visible}},
        {"frmCommCheck", {w.frmCommCheck.caption, w.frmCommCheck.visible}},
        {"FrmEditCFG", {w.FrmEditCFG.caption, w.FrmEditCFG.visible}},
        {"frmEventEdit", {w.frmEventEdit.caption, w.frmEventEdit.visible}}};
    if (auto wi = windows.find(base); wi != windows.end() && !prop.empty()) {
        if (prop == "caption") return wi->second.first;
        if (prop == "visible") return Text(wi->second.second);
        throw Failure("unknown window property " + prop);
    }
    auto c = Control(w, base);
    if (prop.empty()) return MainValue(c);
    auto v = Property(c, prop, arg);
    if (!v) throw Failure("no property " + prop + " on " + base);
    return *v;
}

void Choose(Workstation& w, const std::string& name, const std::string& text) {
    auto c = Control(w, name);
    auto* cb = std::get_if<ComboBox*>(&c);
    if (!cb) throw Failure(name + " is not a drop-down box");
    (*cb)->text = text;
    if (name == "Combo1") Combo1_Click(w);
    if (name == "Combo3") Combo3_Click(w);
    if (name.rfind("FrmEditCFG.", 0) == 0) EditCfg_Change(w);
}

namespace {

// A click on a cell makes it the grid's current cell, as the editor's grid does.
void ChooseCell(Grid& g, const ParsedName& n) {
    if (n.index >= g.rows || n.index2 >= g.cols) throw Failure("no such cell");
    g.row = n.index;
    g.col = n.index2 < 0 ? 0 : n.index2;
}

// Keys pressed in a window, each through the window's own key routine.
void Keys(Workstation& w, const std::string& window, const std::vector<int>& codes) {
    for (int code : codes) {
        if (window == "frmActivity")
            Activity_Form_KeyDown(w, code);
        else if (window == "frmEventEdit")
            EventList_KeyPress(w, code);
        else
            throw Failure("no key handling for " + window);
    }
}

}  // namespace

void Click(Workstation& w, const std::string& name) {
    ParsedName n = ParseName(name);
    const std::string& b = n.base;
    if (n.window.empty() || n.window == "frmActivity") {
        if (b == "Command1") return Command1_Click(w, n.index);
        if (b == "Option1") return Option1_Click(w, n.index);
        if (b == "Check1") return Check1_Click(w, n.index);
        if (b == "Option5" || b == "Option3" || b == "Option4") return CommentOption_Click(w, FrameOf(b), n.index);
        if (b == "cmdNotice") return DeployNotice_Click(w, n.index);
        if (b == "cmdCfgNotice") return CfgNotice_Click(w, n.index);
        if (ClickMenu(w, b)) return;
    } else if (n.window == "frmCommCheck") {
        if (b == "btnGo") return btnGo_Click(w);
        if (b == "Command1") return CommCheck_Command1_Click(w);
        if (b == "Command2") return CommCheck_Command2_Click(w);
        if (b.rfind("Option", 0) == 0) return CommCheck_Option_Click(w, b[6] - '0', n.index);
    } else if (n.window == "FrmEditCFG") {
        if (b == "Command1") return EditCfg_Command1_Click(w, n.index);
    } else if (n.window == "frmEventEdit") {
        if (b == "Command1") return EventEdit_Command1_Click(w, n.index);
        if (b == "EventList" && n.index >= 0) return ChooseCell(w.frmEventEdit.EventList, n);
    }
    throw Failure("cannot click " + name);
}

void DblClick(Workstation& w, const std::string& name) {
    ParsedName n = ParseName(name);
    const std::string& b = n.base;
    if (b == "EventLog") return EventLog_DblClick(w, n.index);
    if (b == "Option5" || b == "Option3" || b == "Option4") return CommentOption_DblClick(w, FrameOf(b), n.index);
    if (b == "Text1" && n.window.empty()) return Text1_DblClick(w);
    if (b == "frmSelectEvent") return (void)ClickMenu(w, "mnuMakeEvFile");
    throw Failure("cannot double-click " + name);
}

// The event, operator and comments boxes take UTF-8 and note what became "?", as the window does.
void Type(Workstation& w, const std::string& name, const std::string& text) {
    auto& r = w.frmActivity.replaced;
    auto* noted = name == "Combo1"        ? &r.event
                  : name == "Combo2"      ? &r.operatorInitials
                  : name == "txtComments" ? &r.comments
                                          : nullptr;
    CodePageText typed = noted ? CodePageFromUtf8(text) : CodePageText{text, {}};
    if (noted) *noted = typed.replaced;
    ParsedName n = ParseName(name);
    if (n.window == "frmEventEdit" && n.base == "EventList") {
        // The editor's grid takes typing key by key into its current cell (a named cell
        // becomes current first).
        if (n.index >= 0) ChooseCell(w.frmEventEdit.EventList, n);
        return Keys(w, n.window, std::vector<int>(text.begin(), text.end()));
    }
    auto c = Control(w, name);
    if (auto* t = std::get_if<TextBox*>(&c))
        (*t)->text = typed.text;
    else if (auto* cb = std::get_if<ComboBox*>(&c))
        (*cb)->text = typed.text;
    else
        throw Failure("cannot type into " + name);
    if (name == "txtComments") txtComments_Change(w);
    if (name.rfind("FrmEditCFG.", 0) == 0) EditCfg_Change(w);
}

void Act(Workstation& w, const std::vector<std::string>& tok) {
    const std::string& cmd = tok[0];
    if (tok.size() < (cmd == "tick" ? 1u : cmd == "click" || cmd == "dblclick" ? 2u : 3u))
        throw Failure("too few words");
    if (cmd == "click") return Click(w, tok[1]);
    if (cmd == "dblclick") return DblClick(w, tok[1]);
    if (cmd == "type") return Type(w, tok[1], tok[2]);
    if (cmd == "choose") return Choose(w, tok[1], tok[2]);
    if (cmd == "key") {
        std::vector<int> codes;
        for (size_t i = 2; i < tok.size(); ++i) codes.push_back(std::atoi(tok[i].c_str()));
        return Keys(w, tok[1], codes);
    }
    if (cmd == "tick") {
        // One interval of the timer passes; its handler runs when the timer is enabled.
        if (tok.size() > 1 && tok[1] == "frmCommCheck.Timer1") {
            w.services.Pause(w.frmCommCheck.Timer1.interval);
            if (w.frmCommCheck.Timer1.enabled && w.frmCommCheck.loaded) CommCheck_Timer1_Timer(w);
        } else {
            w.services.Pause(w.frmActivity.Timer1.interval);
            if (w.frmActivity.Timer1.enabled && !w.ended) Timer1_Timer(w);
        }
        return;
    }
    throw Failure("unknown line");
}

}  // namespace varnel::scenario
