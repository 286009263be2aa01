// Open deployments: which events start and end an operation in the water, the
// operations still open after a run of events, and the expected durations.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/deployment_book.h"

namespace varnel {

enum class Phase { None, Opens, Closes };

// DEPLOY..., IN WATER, START(ED), BEGIN open; RECOVER..., ON DECK, OUT OF WATER,
// END(ED), STOP(PED) close; any other event (AT DEPTH too) neither.
Phase PhaseOf(std::string_view eventName);
// The event name without its opening or closing words ("BONGO 2 DEPLOYED" -> "BONGO 2").
std::string Subject(std::string_view eventName);

// UTC seconds of a log's UTC date ("05-Jul-2007", "2007-07-05" or "07/05/2007") and
// time ("14:05:09"); nothing when either cannot be read.
std::optional<long long> UtcSeconds(std::string_view date, std::string_view time);

// A log line from its comments field on (commas typed into a comment add columns);
// empty when the line has no comments field. `fields` are the line's leading fields.
std::string_view CommentsOnward(std::string_view line, const std::vector<std::string_view>& fields);
// Whether comments carry the note Clear Last leaves on the operator's next event.
bool ErasesPrevious(std::string_view comments);

// Takes one line of a cruise log (the event record, comments may hold commas); a
// header, a short line or an event of neither kind changes nothing but the operator's
// latest number. `seenS` dates an event whose UTC date or time cannot be read.
void NoteLogLine(DeploymentBook& book, std::string_view line, long long seenS);
// Takes one event: a number already known is replaced (a corrected event); an event
// whose comments say "erase previous event" first drops the operator's latest one.
void NoteEvent(DeploymentBook& book, DeploymentEvent e);
void ForgetEvent(DeploymentBook& book, const std::string& number);

// The operations still open, oldest first: a recovery ends the oldest open one of its
// activity with the same subject, else the oldest of its activity, else nothing.
std::vector<OpenOperation> OpenOperations(const DeploymentBook& book, long long nowS);

// "CTD,180" lines (blank lines and # comments skipped); problems are named in `note`.
std::map<std::string, long long> ParseDurations(const std::vector<std::string>& lines, std::string& note);
const std::vector<std::string>& DefaultDurationLines();

// "45 min", "3 h 05 min"
std::string DurationText(long long seconds);

}  // namespace varnel
