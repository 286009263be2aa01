#include "lists/line_station_boxes.h"

#include "grid/standard_stations.h"

namespace varnel {

namespace {

void FillBox(Workstation& w, ComboBox& box, const std::string& path) {
    if (!w.files().Exists(path)) {
        w.Msg("Unable to find " + path);
        return;
    }
    for (auto& item : ReadListFile(w.files(), path)) box.items.push_back(item);
}

// Refills the station box from the file for a line text; false when nothing was read.
bool RefillStations(FileSystem& fs, ActivityForm& f, const std::string& lineText) {
    auto file = StationFileFor(lineText);
    if (!file) return false;
    try {
        auto items = ReadListFile(fs, f.homeFolder + *file);
        f.Combo4.items = items;
        return true;
    } catch (const FileError&) {
        return false;
    }
}

void Tick(ActivityMenu& m, MenuItem& chosen) {
    m.mnuCalcLine.checked = &chosen == &m.mnuCalcLine;
    m.mnuStndLine.checked = &chosen == &m.mnuStndLine;
    m.mnuSelectLine.checked = &chosen == &m.mnuSelectLine;
}

}  // namespace

void LoadLineList(Workstation& w) {
    auto& f = w.frmActivity;
    FillBox(w, f.Combo3, f.homeFolder + "Lines.txt");
    FillBox(w, f.Combo4, f.homeFolder + "Line93.txt");
    f.Combo3.text = f.Combo3.items.empty() ? "" : f.Combo3.items.front();
    f.Combo4.text = f.Combo4.items.empty() ? "" : f.Combo4.items.front();
}

void LoadStationList(FileSystem& fs, ActivityForm& f) {
    RefillStations(fs, f, f.StndLine);
}

void Combo3_Click(Workstation& w) {
    auto& f = w.frmActivity;
    if (!RefillStations(w.files(), f, f.Combo3.text)) return;
    f.Combo4.text = f.Combo4.items.empty() ? "" : f.Combo4.items.front();
    auto& m = f.menu;
    if (m.mnuAuto.checked && !m.mnuSelectLine.checked) {
        if (w.prompts.MsgBox("Line & Station are automatically calculated from Lat & Lon. Disable feature? Y/N",
                             Buttons::YesNo, Icon::Information, "Turn of Line.Sta Calculation?",
                             Answer::No) == Answer::Yes)
            Tick(m, m.mnuSelectLine);
    }
}

void mnuCalcLine_Click(Workstation& w) {
    auto& f = w.frmActivity;
    if (f.menu.mnuCalcLine.checked) return;
    Tick(f.menu, f.menu.mnuCalcLine);
    f.Combo3.text = f.CalcLine;
    f.Combo4.text = f.CalcSta;
    w.cfg.SetLineStationMethod("CALCULATE");
}

void mnuStndLine_Click(Workstation& w) {
    auto& f = w.frmActivity;
    if (f.menu.mnuStndLine.checked) return;
    Tick(f.menu, f.menu.mnuStndLine);
    f.Combo3.text = f.StndLine;
    f.Combo4.text = f.StndSta;
    w.cfg.SetLineStationMethod("STANDARD");
}

void mnuSelectLine_Click(Workstation& w) {
    auto& f = w.frmActivity;
    if (f.menu.mnuSelectLine.checked) return;
    Tick(f.menu, f.menu.mnuSelectLine);
    f.Combo3.text = f.Combo3.items.empty() ? "" : f.Combo3.items.front();
    f.Combo4.text = f.Combo4.items.empty() ? "" : f.Combo4.items.front();
    w.cfg.SetLineStationMethod("SELECT");
}

}  // namespace varnel
