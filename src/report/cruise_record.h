// A cruise log read back after the cruise through the logger's own codec, and what
// can be said of it: station occupations, counts, and the record's health.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/corrections.h"
#include "record/cruise_store.h"

namespace varnel {

struct LogEvent {
    std::string number, line, station, activity, event, initials, date, time;
    std::optional<long long> numberValue;  // nothing when the number is not one
    double lat = 0, lon = 0;
    bool positionRead = false;
    int erases = 0;                 // the erase notes Clear Last left in its comments
    size_t sameness = 0;            // for the rules of corrections (record/corrections.h)
    std::optional<long long> utcS;  // UTC seconds since 1970
    size_t lineNo = 0;              // 1-based line of the file
    size_t fields = 0;
};

struct LogFile {
    std::string name, cruise;
    std::vector<LogEvent> events;
    std::vector<std::string> unread;      // lines that hold no event, with where and why
    std::vector<std::string> shortLines;  // events with fewer fields than the file's lines have
};

// `name` names the file in what is reported.
LogFile ReadLog(const std::vector<std::string>& lines, const std::string& name);
// The cruise log of a store, as it holds it.
LogFile ReadLog(CruiseReader& cruise, const std::string& name);

struct Occupation {
    std::string line, station;
    std::optional<long long> arriveS, departS;
    std::map<std::string, int> activities;  // activity -> events
    std::string firstNumber, lastNumber;
};

struct Health {
    std::vector<std::string> doubles, erased, missing, backwards, badPositions, wrongFields, onlyInRoleLogs;
    std::vector<std::string> withoutFix;  // events recorded without a current fix
};

struct CruiseRecord {
    LogFile log;
    std::vector<LogFile> roleLogs;
    std::vector<Standing> standing;          // per event of the log: live, replaced by an edit, or erased
    std::vector<const LogEvent*> timeOrder;  // live events in UTC order (log order where unknown)
    std::vector<Occupation> occupations;
    std::map<std::string, int> perActivity, perRole;
    Health health;
};

CruiseRecord Analyse(LogFile log, std::vector<LogFile> roleLogs);
// The lines of a station's "<cruise>FixAtRecording.csv" (named `name`; event number, UTC
// date and time, the position's age in seconds, the station's role) into the health.
void AddFixAtRecording(Health& h, const std::vector<std::string>& lines, const std::string& name);

}  // namespace varnel
