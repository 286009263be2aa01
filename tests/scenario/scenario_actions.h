// The scenario language's acting lines, control values and named state on one
// workstation: clicks, double-clicks, typing and ticks routed to the windows' handlers.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "control_lookup.h"
#include "forms/workstation.h"
#include "platform/headless/headless_host.h"

namespace varnel::scenario {

// A line whose check or action did not hold; the runner reports it with its line.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Named state of a workstation; `host` is the station's headless host (its UDP port, its clock).
std::string StateValue(Workstation& w, HeadlessHost& host, const std::string& name);
// The value an `expect NAME = VALUE` compares: a control's main value or NAME.property.
std::string CheckValue(Workstation& w, const std::string& name);
void Click(Workstation& w, const std::string& name);
void Choose(Workstation& w, const std::string& name, const std::string& text);
// click, dblclick, type, key, choose and tick lines.
void Act(Workstation& w, const std::vector<std::string>& tok);

}  // namespace varnel::scenario
