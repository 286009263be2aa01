// Open deployments: which events start and end an operation in the water, the
// operations still open after a run of events, and the expected durations.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/deployment_book.h"
#include "record/logged_event.h"

namespace varnel {

enum class Phase { None, Opens, Closes };

// DEPLOY..., IN WATER, START(ED), BEGIN open; RECOVER..., ON DECK, OUT OF WATER,
// END(ED), STOP(PED) close; any other event (AT DEPTH too) neither.
Phase PhaseOf(std::string_view eventName);
// The event name without its opening or closing words ("BONGO 2 DEPLOYED" -> "BONGO 2").
std::string Subject(std::string_view eventName);

// Takes one line of a cruise log; a header or a scrap changes nothing, an event of
// neither kind counts only for the corrections. `seenS` dates an event whose UTC date
// or time cannot be read.
void NoteLogLine(DeploymentBook& book, std::string_view line, long long seenS);
// The same for an event already read or made on this station.
void NoteLoggedEvent(DeploymentBook& book, const LoggedEvent& e, long long seenS);
// Clear Last on this station: the latest event of `writer` (the operator's initials)
// leaves the strip now, and the note the next event carries erases nothing more.
void EraseLatestEvent(DeploymentBook& book, const std::string& writer);

// The operations still open, oldest first: a recovery ends the oldest open one of its
// activity with the same subject, else the oldest of its activity, else nothing.
std::vector<OpenOperation> OpenOperations(const DeploymentBook& book, long long nowS);

// "CTD,180" lines (blank lines and # comments skipped); problems are named in `note`.
std::map<std::string, long long> ParseDurations(const std::vector<std::string>& lines, std::string& note);
const std::vector<std::string>& DefaultDurationLines();

// "45 min", "3 h 05 min"
std::string DurationText(long long seconds);

}  // namespace varnel
