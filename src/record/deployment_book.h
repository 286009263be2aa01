// What this station knows of the instruments in the water: the deployment and
// recovery events of the cruise, read with the log's corrections (an edited event
// replaces the one it edits, Clear Last erases the station's latest event), the expected longest time of each activity,
// how far the cruise log has been read, and which overdue operations the operator has been told of.
#pragma once
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "record/corrections.h"
#include "record/cruise_store.h"

namespace varnel {

struct DeploymentEvent {
    std::string number, activity, event, line, station, operatorInitials;
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
    std::vector<DeploymentEvent> events;            // deployments and recoveries in log order
    Corrections corrections;                        // the log's lines as taken, for its corrections
    std::unordered_map<size_t, size_t> position;    // the line that added an event -> index in events
    std::map<std::string, long long> minutes;       // activity -> expected longest minutes
    StoreMark followed;                             // how far the cruise log has been taken in
    std::set<std::string> noticed;                  // event numbers the notice has shown
    std::map<std::string, long long> snoozedUntil;  // event number -> UTC seconds
    std::string durationsNote;                      // what was wrong with Deployments.txt
};

}  // namespace varnel
