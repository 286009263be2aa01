#include "scenario_actions.h"

#include <cstdio>
#include <cstdlib>

#include "app/config_editor.h"
#include "app/menu_commands.h"
#include "events/event_grid.h"
#include "events/recording.h"
#include "lists/comment_options.h"
#include "lists/event_editor.h"
#include "lists/line_station_boxes.h"
#include "lists/selection.h"
#include "nav/comm_check.h"

namespace varnel::scenario {

namespace {

OptionFrame FrameOf(const std::string& base) {
    if (base == "Option5") return OptionFrame::StationType;
    if (base == "Option3") return OptionFrame::SeaConditions;
    return OptionFrame::DayNight;
}

}  // namespace

std::string StateValue(Workstation& w, const std::string& name) {
    auto& f = w.frmActivity;
    auto b = [](bool v) { return std::string(v ? "true" : "false"); };
    if (name.rfind("CfgLines(", 0) == 0) return w.cfg[std::atoi(name.c_str() + 9)];
    if (name == "NextEventNumber") return std::to_string(f.NextEventNumber);
    if (name == "NetworkMode") return b(f.NetworkMode);
    if (name == "EvNumPath") return f.EvNumPath;
    if (name == "EventListPath") return f.EventListPath;
    if (name == "EventRole") return f.EventRole;
    if (name == "CurrPosFile") return f.CurrPosFile;
    if (name == "PreloadMode") return f.PreloadMode;
    if (name == "EventScheme") return f.EventScheme;
    if (name == "SamplingInterval") return std::to_string(f.SamplingInterval);
    if (name == "MultiMode") return b(f.MultiMode);
    if (name == "NavSource") return f.NavSource;
    if (name == "ManualEventNumber") return b(f.ManualEventNumber);
    if (name == "RollbackPending") return b(f.RollbackPending);
    if (name == "EditingRow") return b(f.EditingRow);
    if (name == "LastEventIndex") return std::to_string(f.LastEventIndex);
    if (name == "GridRow") return std::to_string(f.gridRow);
    if (name == "OrdOcc") return f.OrdOcc;
    if (name == "DecLat") return f.DecLat;
    if (name == "DecLon") return f.DecLon;
    if (name == "CalcLine") return f.CalcLine;
    if (name == "CalcSta") return f.CalcSta;
    if (name == "StndLine") return f.StndLine;
    if (name == "StndSta") return f.StndSta;
    if (name == "EvNumRetries") return std::to_string(f.EvNumRetries);
    if (name == "LastEventLine") return f.LastEventLine;
    if (name == "LastEventName") return f.LastEventName;
    if (name == "LastEventTime") return f.LastEventTime;
    if (name == "CtdAtDepth") return b(f.CtdAtDepth);
    if (name == "UdpMalformed") return std::to_string(f.udpMalformed);
    if (name == "title") return f.caption;
    if (name == "clock") {
        DateTime t = w.host.Now();
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
        return buf;
    }
    throw Failure("unknown state " + name);
}

ControlRef Control(Workstation& w, const std::string& name) {
    auto c = FindControl(w, ParseName(name));
    if (!c) throw Failure("no control " + name);
    return *c;
}

void Click(Workstation& w, const std::string& name) {
    ParsedName n = ParseName(name);
    const std::string& b = n.base;
    if (n.window.empty() || n.window == "frmActivity") {
        if (b == "Command1") return Command1_Click(w, n.index);
        if (b == "Option1") return Option1_Click(w, n.index);
        if (b == "Check1") return Check1_Click(w, n.index);
        if (b == "Option5" || b == "Option3" || b == "Option4") return CommentOption_Click(w, FrameOf(b), n.index);
        if (b == "Combo1") return Combo1_Click(w);
        if (b == "Combo3") return Combo3_Click(w);
        if (b == "EventLog") return;
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
        if (b == "EventList") return;
    }
    throw Failure("cannot click " + name);
}

void DblClick(Workstation& w, const std::string& name) {
    ParsedName n = ParseName(name);
    const std::string& b = n.base;
    if (b == "EventLog") return EventLog_DblClick(w, n.index);
    if (b == "Option5" || b == "Option3" || b == "Option4") return CommentOption_DblClick(w, FrameOf(b), n.index);
    if (b == "Text1" && n.window.empty()) return Text1_DblClick(w);
    if (b == "frmSelectEvent") {
        w.frmEventEdit.visible = true;
        return;
    }
    throw Failure("cannot double-click " + name);
}

void Type(Workstation& w, const std::string& name, const std::string& text) {
    auto c = Control(w, name);
    if (auto* t = std::get_if<TextBox*>(&c))
        (*t)->text = text;
    else if (auto* cb = std::get_if<ComboBox*>(&c))
        (*cb)->text = text;
    else if (auto* cell = std::get_if<CellRef>(&c))
        cell->grid->Cell(cell->row, cell->col) = text;
    else
        throw Failure("cannot type into " + name);
    if (name == "txtComments") txtComments_Change(w);
}

}  // namespace varnel::scenario
