// A station set up from nothing: the starter configuration and every file it names
// (role list, initials, comment options, line and station lists, the event-number file
// in the data folder) and the operator's guide, so that the first start shows a window
// ready to record.
#pragma once
#include <string>

#include "platform/files.h"

namespace varnel {

// Writes the starter station into the home folder; files that exist are kept. The
// operator's guide in `guideFolder` (none when empty) is copied into its help folder,
// where F1 finds the station's role page. Throws FileError.
void WriteStarterStation(FileSystem& fs, const std::string& guideFolder);
// What the status bar says after the first start of a starter station.
std::string StarterStationNote();

}  // namespace varnel
