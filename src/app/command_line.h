// The program's command line: --help, --version and --drives DIR. Without arguments
// the station starts as it always has, from $VARNELGPS_DRIVES.
#pragma once
#include <string>
#include <vector>

namespace varnel {

struct CommandLine {
    enum class Action { Run, Help, Version, Bad } action = Action::Run;
    std::string drives;   // --drives DIR, empty when not given
    std::string problem;  // what was wrong with the arguments (Action::Bad)
};

// `args` without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
std::string HelpText();
std::string VersionText();

}  // namespace varnel
