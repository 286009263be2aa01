// The scenario runner: reads scenario scripts and drives headless workstations
// through the same handlers the Qt views call.
#pragma once
#include <iosfwd>
#include <string>

namespace varnel::scenario {

struct Totals {
    int passed = 0, failed = 0;
};

// Runs every scenario of one file, printing "PASS name" or "FAIL name: line N: ...".
Totals RunFile(const std::string& path, std::ostream& out);

}  // namespace varnel::scenario
