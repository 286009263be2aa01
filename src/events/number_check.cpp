#include "events/number_check.h"

#include "platform/strings.h"
#include "record/corrections.h"
#include "record/log_line.h"

namespace varnel {

namespace {

// Enough of a log's end for the events of a watch: a cruise-log line is a few hundred bytes.
constexpr size_t kTail = 256 * 1024;

// The whole lines of a file's end (a line cut by the start of the tail is left out).
std::vector<std::string> TailLines(FileSystem& fs, const std::string& path) {
    std::string tail = fs.ReadTail(path, kTail);
    std::vector<std::string> lines;
    ForEachLine(tail, [&](std::string_view l) { lines.emplace_back(l); });
    if (tail.size() >= kTail && !lines.empty()) lines.erase(lines.begin());
    return lines;
}

// The role log of the cruise's shared folder whose end holds the event's role line.
std::string RoleOf(Workstation& w, const LoggedEvent& e) {
    const auto& f = w.frmActivity;
    const std::string cruise = f.Text1[0].text, roleLine = RoleLogLine(e);
    for (const auto& name : w.files().ListFiles(f.dataFolder)) {
        const std::string u = UCase(name);
        if (name.find('\\') != std::string::npos || u.rfind(UCase(cruise), 0) != 0 || u.size() < 4 ||
            u.substr(u.size() - 4) != ".CSV" || Contains(u, "EVENTS") || Contains(u, "LASTEVENT") ||
            Contains(u, "CTDATDEPTH"))
            continue;
        for (const auto& l : TailLines(w.files(), f.dataFolder + name))
            if (l == roleLine) return name.substr(cruise.size(), name.size() - cruise.size() - 4);
    }
    return "";
}

}  // namespace

void TellOfNumberDrawnTwice(Workstation& w, const PendingEvent& saved) {
    auto& f = w.frmActivity;
    if (f.EditingRow || f.ManualEventNumber) return;  // a correction, or a number the operator chose
    std::string message;
    try {
        const auto lines = TailLines(w.files(), saved.sharedLog);
        size_t ours = lines.size();
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == saved.sharedLine) ours = i;
        Corrections corrections;
        std::vector<LoggedEvent> events;
        CorrectionTaken taken;
        for (size_t i = 0; i <= ours && i < lines.size(); ++i) {
            LoggedEvent e = ParseLogLine(lines[i], NavigationColumnsRead::Skipped);
            if (!HoldsEvent(e)) continue;
            CorrectionLine line = CorrectionLineOf(e);
            line.adds = i == ours;  // this station drew its number: it edits no row
            taken = corrections.Take(std::move(line));
            events.push_back(std::move(e));
        }
        if (ours == lines.size() || taken.sameNumber.empty()) return;
        const LoggedEvent& earlier = events[taken.sameNumber.front()];
        const std::string role = RoleOf(w, earlier);
        const std::string n = Trim(saved.number);
        message = "Event number " + n + " was drawn twice: event " + n + " (" + Trim(earlier.event) +
                  ") was already recorded with it at " + earlier.timeUtc + " UTC on " + earlier.dateUtc + " by " +
                  (Trim(earlier.operatorInitials).empty() ? "an operator" : Trim(earlier.operatorInitials)) +
                  (role.empty() ? "" : " (" + role + ")") + ". Both events keep the number " + n +
                  ", as written on paper and sample labels; note the double number in the cruise's paper log.";
    } catch (const std::exception&) {
        return;  // the event is saved; a log that cannot be read now is checked by the report
    }
    w.Msg(message, Icon::Exclamation);
}

}  // namespace varnel
