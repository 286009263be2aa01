// The shared event number: the one-line event-number file, its discovery at
// start-up, the draw of a number for Record Event, the advance after the save and
// the roll-back of Clear Last.
#pragma once
#include <optional>
#include <string>

#include "forms/workstation.h"

namespace varnel {

// First line of the file: nullopt when blank, else its leading-number value.
// Throws FileError when it cannot be read.
std::optional<double> ReadEventNumberFile(FileSystem& fs, const std::string& path);
// Replaces the file with the one line `text` (a reader never sees half a file).
void WriteEventNumberFile(FileSystem& fs, const std::string& path, const std::string& text);

bool IsJulian(const ActivityForm& f);
// The Julian number text for the present moment.
std::string JulianText(Workstation& w);

// Raises the box to NextEventNumber when it shows less and no hand-entered number
// holds it; true when it was raised.
bool RaiseEventNumberBox(ActivityForm& f);
// When the file's first line holds a number: NextEventNumber = that value + delta,
// and the box is raised to it. Throws FileError, or OverflowError past 32767.
void TakeNumberFromFile(Workstation& w, int delta);

// Whether text typed into the event-number box can be recorded: a whole number from 1 to
// 32767, or a Julian number of the scheme's form (day 1 to 366, the time's digits).
bool IsEventNumberText(Workstation& w, const std::string& text);

// Start-up: find, create or fall back from the event-number file.
void DiscoverEventNumberFile(Workstation& w);

enum class DrawResult { Drawn, DrawnLocally, Cancelled };
// Record Event's draw. DrawnLocally when the operator gave up on an unreadable shared
// file and the number came from this station's own copy (the event then waits for the
// shared folder); Cancelled when no number could be drawn at all or the counter is
// full: nothing must be saved then.
DrawResult DrawEventNumber(Workstation& w);
void AdvanceAfterSave(ActivityForm& f);
// Clear Last's roll-back of the number: the box goes back two, the file holds it, the
// counter is the box + 1, RollbackPending is set.
void RollBackEventNumber(Workstation& w);

}  // namespace varnel
