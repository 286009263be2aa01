// What this station knows of the instruments in the water: the deployment and
// recovery events of the cruise kept by event number (a corrected event replaces the
// one it corrects), the expected longest time of each activity, how far the cruise
// log has been read, and which overdue operations the operator has been told of.
#pragma once
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "record/cruise_store.h"

namespace varnel {

struct DeploymentEvent {
    std::string number, activity, event, line, station, operatorInitials, comments;
    std::string subject;   // the event name without its opening or closing words
    long long startS = 0;  // UTC seconds since 1970 of the event
    bool opens = false;    // a deployment; otherwise a recovery
    bool gone = false;     // erased, or corrected into an event of neither kind
};

struct OpenOperation {
    DeploymentEvent start;
    long long minutes = 0;  // the activity's expected longest time; 0 = no alarm
    bool overdue = false;
};

struct DeploymentBook {
    std::vector<DeploymentEvent> events;                  // deployments and recoveries in log order
    std::unordered_map<std::string, size_t> position;     // event number -> index in events
    std::map<std::string, std::string> latestOfOperator;  // the operator's latest event number
    std::map<std::string, long long> minutes;             // activity -> expected longest minutes
    StoreMark followed;                                   // how far the cruise log has been taken in
    std::set<std::string> noticed;                        // event numbers the notice has shown
    std::map<std::string, long long> snoozedUntil;        // event number -> UTC seconds
    std::string durationsNote;                            // what was wrong with Deployments.txt
};

}  // namespace varnel
