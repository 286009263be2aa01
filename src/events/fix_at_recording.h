// The fix behind an event at the moment it is recorded. An event recorded while the
// tick judged the position stale or absent is saved as it stands; the operator is told
// in the status bar how old its position was, and a line in the cruise's side file
// "<cruise>FixAtRecording.csv" in the home folder lets the cruise report list it.
#pragma once
#include <string>

#include "forms/workstation.h"

namespace varnel {

// The side file's header; its lines are: event number, UTC date, UTC time, the age of the
// position in seconds (empty when no position was ever read) and the station's role.
inline constexpr const char* kFixAtRecordingHeader = "Event,UTC Date,UTC Time,Fix Age (s),Station";
std::string FixAtRecordingPath(const ActivityForm& f);
// Called once the event on screen is saved as `number`: posts (or clears) the notice and
// appends the side file's line.
void NoteFixAtRecording(Workstation& w, const std::string& number);

}  // namespace varnel
