// The notice of configuration values that will not work, shown in the main window at
// start-up: one line per marked value with the value and what the station does
// instead. It asks nothing and stops nothing; its first button opens the
// configuration editor, its second closes it.
#pragma once
#include <array>
#include <string>

namespace varnel {

struct ActivityForm;

// Fills the notice (frame CfgNotice) from the editor's marks of the configuration
// just read; no marks leave it hidden. Reads the sampling interval start-up chose.
void PostConfigurationNotice(ActivityForm& f, const std::array<std::string, 21>& lines,
                             const std::array<std::string, 21>& marks);

}  // namespace varnel
