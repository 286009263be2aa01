#include "report/cruise_record.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "platform/strings.h"
#include "record/log_line.h"

namespace varnel {

namespace {

long long NumberOf(const LogEvent& e) {
    return e.numberValue.value_or(-1);
}

// A write that ran out of space can leave part of a line with the next line glued to
// it: the cruise followed by an event number inside the line marks where it starts.
bool HoldsGluedEvent(std::string_view line, std::string_view cruise) {
    if (cruise.empty()) return false;
    for (size_t at = line.find(cruise, 1); at != std::string_view::npos; at = line.find(cruise, at + 1)) {
        size_t p = at + cruise.size(), q = p + 1;
        if (p >= line.size() || line[p] != ',') continue;
        while (q < line.size() && line[q] >= '0' && line[q] <= '9') ++q;
        if (q > p + 1 && q < line.size() && line[q] == ',') return true;
    }
    return false;
}

std::string Where(const LogEvent& e) {
    return "event " + e.number + " (line " + std::to_string(e.lineNo) + ")";
}

// The role of a role log: its file name without the cruise and ".csv".
std::string RoleName(const LogFile& role) {
    std::string name = role.name.substr(role.name.find_last_of("/\\") + 1);
    if (name.size() > 4 && UCase(name.substr(name.size() - 4)) == ".CSV") name.resize(name.size() - 4);
    if (!role.cruise.empty() && name.rfind(role.cruise, 0) == 0 && name.size() > role.cruise.size())
        name = name.substr(role.cruise.size());
    return name;
}

// What a cruise-log line and its role-log line share.
std::string WriterKey(const LogEvent& e) {
    return e.number + ',' + e.date + ',' + e.time + ',' + e.event + ',' + e.initials;
}

}  // namespace

LogFile ReadLog(const std::vector<std::string>& lines, const std::string& name) {
    LogFile file;
    file.name = name;
    size_t lineNo = 0, long_ = 0;
    for (const std::string& line : lines) {
        ++lineNo;
        if (line.find_first_not_of(' ') == std::string_view::npos) continue;
        LoggedEvent logged = ParseLogLine(line, NavigationColumnsRead::Skipped);
        const size_t fieldCount = logged.columnsRead;
        if (logged.number == "Event#") continue;
        if (!HoldsEvent(logged)) {
            file.unread.push_back(name + " line " + std::to_string(lineNo) + ": " + std::to_string(fieldCount) +
                                  (fieldCount == 1 ? " field" : " fields") + ", not an event");
            continue;
        }
        if (HoldsGluedEvent(line, Trim(logged.cruise))) {  // neither event can be read from it
            file.shortLines.push_back("event " + Trim(logged.number) + " (line " + std::to_string(lineNo) +
                                      "): torn, the line stops part way and the next line is glued to it");
            continue;
        }
        LogEvent e;
        const CorrectionLine correction = CorrectionLineOf(logged);
        e.erases = correction.erases;
        e.sameness = correction.sameness;
        e.number = Trim(logged.number);
        e.numberValue = logged.Number();
        e.line = Trim(logged.stndLine);
        e.station = Trim(logged.stndSta);
        e.activity = std::move(logged.activity);
        e.event = std::move(logged.event);
        e.initials = std::move(logged.operatorInitials);
        e.date = logged.dateUtc;
        e.time = logged.timeUtc;
        auto lat = logged.Latitude(), lon = logged.Longitude();
        e.positionRead = lat && lon;
        e.lat = lat.value_or(0);
        e.lon = lon.value_or(0);
        e.utcS = logged.UtcSeconds();
        e.lineNo = lineNo;
        e.fields = fieldCount;
        if (file.cruise.empty()) file.cruise = logged.cruise;
        if (e.fields >= EventColumnCount() + kNavigationColumns) ++long_;
        file.events.push_back(std::move(e));
    }
    // A cruise log's lines carry the navigation columns, a role log's do not; a line
    // with fewer fields than its file's kind was cut short.
    const size_t expected =
        long_ * 2 > file.events.size() ? EventColumnCount() + kNavigationColumns : EventColumnCount();
    for (const auto& e : file.events)
        if (e.fields < expected)
            file.shortLines.push_back(Where(e) + ": " + std::to_string(e.fields) + " fields, at least " +
                                      std::to_string(expected) + " expected");
    return file;
}

LogFile ReadLog(CruiseReader& cruise, const std::string& name) {
    return ReadLog(cruise.CruiseLines(), name);
}

CruiseRecord Analyse(LogFile log, std::vector<LogFile> roleLogs) {
    CruiseRecord r;
    r.log = std::move(log);
    r.roleLogs = std::move(roleLogs);
    auto& h = r.health;
    const auto& events = r.log.events;

    // Edits and Clear Last read as everywhere else (record/corrections.h); a line is
    // written by its role when a role log holds it, else by its operator. Only live
    // events count: an erased event is named, an edited one is replaced by its edit.
    std::unordered_map<std::string, std::string> roleOf;
    for (const auto& role : r.roleLogs)
        for (const auto& e : role.events) roleOf.emplace(WriterKey(e), RoleName(role));
    Corrections corrections;
    r.standing.reserve(events.size());
    for (const auto& e : events) {
        CorrectionLine line{e.number, e.initials, e.date, e.time, e.erases, false, e.sameness};
        if (auto role = roleOf.empty() ? roleOf.end() : roleOf.find(WriterKey(e)); role != roleOf.end())
            line.writer = role->second;
        for (size_t j : corrections.Take(std::move(line)).erased)
            h.erased.push_back(Where(events[j]) + ": " + events[j].event + ", erased by line " +
                               std::to_string(e.lineNo));
    }
    for (size_t i = 0; i < events.size(); ++i) {
        r.standing.push_back(i < corrections.Size() ? corrections.StandingOf(i) : Standing::Live);
        if (r.standing.back() == Standing::Live) r.timeOrder.push_back(&events[i]);
    }
    std::stable_sort(r.timeOrder.begin(), r.timeOrder.end(),
                     [](const LogEvent* a, const LogEvent* b) { return a->utcS && b->utcS && *a->utcS < *b->utcS; });

    for (const LogEvent* e : r.timeOrder) {
        ++r.perActivity[e->activity.empty() ? "(none)" : e->activity];
        if (e->line.empty() && e->station.empty()) continue;
        if (r.occupations.empty() || r.occupations.back().line != e->line || r.occupations.back().station != e->station)
            r.occupations.push_back({e->line, e->station, e->utcS, e->utcS, {}, e->number, e->number});
        auto& o = r.occupations.back();
        o.departS = e->utcS ? e->utcS : o.departS;
        o.lastNumber = e->number;
        ++o.activities[e->activity];
    }

    std::map<long long, std::vector<const LogEvent*>> byNumber;
    for (size_t i = 0; i < events.size(); ++i) {
        const LogEvent& e = events[i];
        if (NumberOf(e) < 0)
            h.wrongFields.push_back(Where(e) + ": the event number \"" + e.number + "\" is not a number");
        else if (r.standing[i] == Standing::Live)
            byNumber[NumberOf(e)].push_back(&e);
        if (!e.positionRead || e.lat == 0 || e.lon == 0 || e.lat == -99 || e.lon == -99)
            h.badPositions.push_back(Where(e) + ": " + (e.positionRead ? "" : "unreadable ") + "position " +
                                     std::to_string(e.lat).substr(0, 9) + ", " + std::to_string(e.lon).substr(0, 10));
    }
    for (const auto& s : r.log.shortLines) h.wrongFields.push_back(s);
    const LogEvent* previous = nullptr;
    long long expect = byNumber.empty() ? 0 : byNumber.begin()->first;
    for (const auto& [n, list] : byNumber) {
        if (n > expect)
            h.missing.push_back(n - 1 > expect ? std::to_string(expect) + "-" + std::to_string(n - 1)
                                               : std::to_string(expect));
        expect = n + 1;
        if (list.size() > 1) {
            std::string lines;
            for (const auto* e : list) lines += (lines.empty() ? "" : ", ") + std::to_string(e->lineNo);
            h.doubles.push_back(std::to_string(n) + " on lines " + lines);
        }
        const LogEvent* e = list.front();
        if (previous && previous->utcS && e->utcS && *e->utcS < *previous->utcS)
            h.backwards.push_back("event " + e->number + " at " + e->date + " " + e->time + " is before event " +
                                  previous->number + " at " + previous->date + " " + previous->time);
        if (e->utcS) previous = e;
    }

    std::set<std::string> known;
    for (const auto& e : events) known.insert(e.number);
    for (const auto& role : r.roleLogs) {
        r.perRole[RoleName(role)] += static_cast<int>(role.events.size());
        for (const auto& e : role.events)
            if (!known.count(e.number)) h.onlyInRoleLogs.push_back(role.name + ": " + Where(e));
    }
    return r;
}

void AddFixAtRecording(Health& h, const std::vector<std::string>& lines, const std::string& name) {
    for (size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> x;
        for (size_t at = 0;;) {
            size_t comma = lines[i].find(',', at);
            x.push_back(lines[i].substr(at, comma - at));
            if (comma == std::string::npos) break;
            at = comma + 1;
        }
        if (x.size() != 5) {
            h.withoutFix.push_back(name + " line " + std::to_string(i + 1) + ": not a line of the file");
            continue;
        }
        h.withoutFix.push_back("event " + x[0] + " (" + x[4] + ", " + x[1] + " " + x[2] +
                               "): " + (x[3].empty() ? "no position read" : "position " + x[3] + " s old"));
    }
}

}  // namespace varnel
