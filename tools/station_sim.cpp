// varnelgps-station: one simulated workstation for tests and measurements. It runs
// the logger headless on a drive root (its own C: under ROOT/<name>/C, every other
// drive shared under ROOT), answers every question Yes, and records N events.
//
//   varnelgps-station --drives ROOT --name NAME [--events N] [--interval-ms MS] [--comments TEXT]
//                     [--html] [--freeze-at N,N,... [--freeze-ms MS]] [--full-home FROM:TO]
//
// With --comments, TEXT is typed after "Comments: " before every event (commas and all).
// --html turns the HTML event table on (File - HTML). --freeze-at stops the station
// for MS real milliseconds (1500 by default: past the stale time of one second) in
// the middle of drawing each of those numbers, after it read the shared number and
// before it checks its lock; of all the stations sharing the drive root only the first
// to draw that number stops. It says whether its lock was taken over meanwhile.
// Pauses of the program last a thousandth of their time, so a 3000 ms pause after
// each event takes 3 ms; the clock is the real one. The station's own waits (a lock
// held by another station) run ten times faster than real time, so a lock left by a
// killed station goes stale after one real second. With --events 0 the station starts,
// ticks once (sending any events that wait for the shared folder) and ends.
//
// --full-home FROM:TO fills the station's home folder from event FROM to event TO
// (counted from 1): every write there stops half way and fails, as on a full disk,
// through the program's own file writing; from event TO on it can be written again.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <set>
#include <string>
#include <thread>

#include "app/startup.h"
#include "events/recording.h"
#include "lists/selection.h"
#include "platform/headless/headless_host.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "station/station_tick.h"

namespace {

class SimHost : public varnel::HeadlessHost {
public:
    using HeadlessHost::HeadlessHost;
    varnel::Answer MsgBox(const std::string& prompt, varnel::Buttons buttons, varnel::Icon icon,
                          const std::string& title, varnel::Answer defaultAnswer) override {
        if (buttons != varnel::Buttons::Ok) answers.push_back(varnel::Answer::Yes);
        return HeadlessHost::MsgBox(prompt, buttons, icon, title, defaultAnswer);
    }
    void Pause(int ms) override { std::this_thread::sleep_for(std::chrono::microseconds(ms)); }
    long long ElapsedMs() override { return 10 * Host::ElapsedMs(); }
    varnel::DateTime Now() override {
        std::time_t t = std::time(nullptr);
        std::tm l{};
        localtime_r(&t, &l);
        return {l.tm_year + 1900, l.tm_mon + 1, l.tm_mday, l.tm_hour, l.tm_min, l.tm_sec};
    }

    std::string name, root;
    std::set<int> freezeAt;
    int freezeMs = 1500;
    // Stops while holding the number's lock when the number about to be drawn is one of
    // freezeAt; a marker file in the drive root lets only one station stop per number.
    void LockedChange(const std::string& sharedPath) override {
        if (freezeAt.empty() || varnel::UCase(sharedPath).find("EVENTNUMBER.TXT") == std::string::npos) return;
        auto lines = Files().ReadLines(sharedPath);
        const int number = lines.empty() ? 1 : static_cast<int>(varnel::Val(lines.front())) + 1;
        if (!freezeAt.count(number) ||
            !Files().CreateExclusive(root + "/freeze-" + std::to_string(number), name + "\r\n"))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(freezeMs));
        const std::string lock = Files().Exists(sharedPath + ".lock") ? Files().ReadAll(sharedPath + ".lock") : "";
        const bool mine = lock.find(" pid " + std::to_string(::getpid()) + " ") != std::string::npos;
        std::printf("%s froze drawing %d: lock %s\n", name.c_str(), number, mine ? "kept" : "taken over");
    }
};

// The home folder full for a stretch of the run (--full-home FROM:TO).
struct FullHome {
    int from = 0, to = 0;
    bool Parse(const std::string& a, const std::string& v) {
        if (a != "--full-home") return false;
        std::sscanf(v.c_str(), "%d:%d", &from, &to);
        return true;
    }
    // Before event i (from 0): the disk fills or frees.
    void Before(varnel::HeadlessHost& host, int i) const {
        if (i + 1 == from) host.Files().InjectFault("C:\\VarnelGPS", varnel::FaultKind::Partial, 1 << 30);
        if (i + 1 == to) host.Files().InjectFault("C:\\VarnelGPS", varnel::FaultKind::Partial, 0);
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::string drives, name = "A", comments;
    FullHome fullHome;
    int events = 10, intervalMs = 20, freezeMs = 1500;
    std::set<int> freezeAt;
    bool html = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--html") {  // a flag without a value
            html = true;
            continue;
        }
        if (i + 1 == argc) break;
        std::string v = argv[++i];
        if (fullHome.Parse(a, v))
            continue;
        else if (a == "--drives")
            drives = v;
        else if (a == "--name")
            name = v;
        else if (a == "--events")
            events = std::atoi(v.c_str());
        else if (a == "--interval-ms")
            intervalMs = std::atoi(v.c_str());
        else if (a == "--comments")
            comments = v;
        else if (a == "--freeze-at")
            for (char *at = v.data(), *end = at; *at; at = end + (*end == ',')) {
                freezeAt.insert(static_cast<int>(std::strtol(at, &end, 10)));
                if (end == at) break;  // not a number: the list ends
            }
        else if (a == "--freeze-ms")
            freezeMs = std::atoi(v.c_str());
    }
    if (drives.empty()) {
        std::fprintf(stderr,
                     "usage: varnelgps-station --drives ROOT --name NAME [--events N] [--interval-ms MS] "
                     "[--comments TEXT] [--html] [--freeze-at N,N,... [--freeze-ms MS]] [--full-home FROM:TO]\n");
        return 2;
    }
    varnel::DriveMap map;
    map.root = drives;
    map.overrides['C'] = drives + "/" + name + "/C";
    SimHost host(map);
    host.name = name;
    host.root = drives;
    host.freezeAt = freezeAt;
    host.freezeMs = freezeMs;
    varnel::Workstation w(host);
    varnel::Activity_Form_Load(w);
    w.frmActivity.menu.mnuhtml.checked = html;
    varnel::Command1_Click(w, 0);  // Start
    if (events == 0) varnel::Timer1_Timer(w);
    int recorded = 0;
    for (int i = 0; i < events && !w.ended; ++i) {
        fullHome.Before(host, i);
        varnel::Timer1_Timer(w);
        int count = w.frmActivity.LastEventIndex + 1;
        if (count > 0) varnel::Option1_Click(w, i % count);
        if (!comments.empty()) w.frmActivity.txtComments.text = "Comments: " + comments;
        // the event shows in a new row, or, once the grid is full, in its scrolled last row
        auto newest = [&] { return w.frmActivity.EventLog.Cell(std::max(w.frmActivity.gridRow - 1, 0), 0); };
        const int row = w.frmActivity.gridRow;
        const std::string shown = newest();
        varnel::Command1_Click(w, 0);  // Record Event
        if (w.frmActivity.gridRow > row || newest() != shown) ++recorded;
        std::printf("%s %s\n", name.c_str(), w.frmActivity.EventLog.Cell(w.frmActivity.gridRow - 1, 0).c_str());
        std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
    }
    if (fullHome.to > 0) varnel::Timer1_Timer(w);  // a freed home folder gets what it lacks
    std::printf("%s recorded %d\n", name.c_str(), recorded);
    return recorded == events ? 0 : 1;
}
