// The scenario language's acting lines and named state, on one workstation: clicks,
// double-clicks and typing routed to the windows' handlers, and `expect state` names.
#pragma once
#include <stdexcept>
#include <string>

#include "control_lookup.h"
#include "forms/workstation.h"

namespace varnel::scenario {

// A line whose check or action did not hold; the runner reports it with its line.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string StateValue(Workstation& w, const std::string& name);
ControlRef Control(Workstation& w, const std::string& name);
void Click(Workstation& w, const std::string& name);
void DblClick(Workstation& w, const std::string& name);
void Type(Workstation& w, const std::string& name, const std::string& text);

}  // namespace varnel::scenario
