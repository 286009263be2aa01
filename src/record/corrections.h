// How the corrections in a cruise log read. Neither correction removes a line from any
// file: an edited grid row is saved again as a new line under the number it had, and
// Clear Last gives the number back and leaves "erase previous event ;" in the comments
// of the station's next event. The grid's preload, the deployments strip, the check of
// a number drawn twice and the cruise report all read a log through this one routine,
// so an event erased or corrected on one station reads the same everywhere.
//
// What a line offers: its number, the station that wrote it (its role where the reader
// knows the role logs, else the operator's initials, which every line carries), its UTC
// date and time, how many erase notes its comments carry, and its place in the log.
// The rules, line by line in log order:
// - The very same event taken again (the same number, station, UTC time, name and
//   comments; the position may be in its displayed or its six-decimal form) changes
//   nothing: a station notes its own event when it saves it and again when it reads
//   the log, and a line delivered twice after an outage is one event.
// - A line with erase notes erases, for each note, the latest event its station added
//   that is still live (never another station's event). An edited event is not added:
//   it stands in the place of the event it corrects, so editing an older row and then
//   pressing Clear Last erases the newest row, as the grid does. The erasing line is
//   itself a new event, usually under the number it freed.
// - Otherwise a line whose number a live event carries is an edit of it when it comes
//   from the same station, or carries that event's UTC date and time (a station
//   correcting another station's row keeps the row's time): it replaces that event.
// - Any other line adds an event, and so does a line whose station says, as it saves
//   it, that it edits no row. When a live event already carries its number, the
//   number was drawn twice (two stations apart, or a number kept from local operation).
// What the logs cannot tell: two stations whose operators share initials, read without
// the role logs, look like one station; an erase under the Julian scheme leaves no note.
// Clear Last pressed on a station erases its latest event at once (EraseNow); the note
// the station's next event then carries is the same erase and is not applied again.
// An erase whose station has no live event left erases nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "record/logged_event.h"

namespace varnel {

// What the rules read of one line.
struct CorrectionLine {
    std::string number;  // trimmed
    std::string writer;  // the station that wrote it: its role when known, else the operator's initials
    std::string dateUtc, timeUtc;
    int erases = 0;       // how many erase notes its comments carry
    bool adds = false;    // the station saving it knows that it adds an event (it edits no row)
    size_t sameness = 0;  // equal for the same event taken again
};

// A logged event's line with the operator's initials as its writer.
CorrectionLine CorrectionLineOf(const LoggedEvent& e);
// The same straight from a cruise-log line, for a reader that takes the lines of one log
// (the same event taken again is then the same line); nothing for a line that holds no
// event. Cheaper than reading the whole event, for the grid's preload of a long log.
std::optional<CorrectionLine> CorrectionLineOfLogLine(std::string_view line);
// How many times the comments carry the note Clear Last leaves.
int EraseNotes(std::string_view comments);

// Replaced: an edit, or the same event taken again, stands for it.
enum class Standing { Live, Replaced, Erased };

// What taking one line did.
struct CorrectionTaken {
    bool again = false;              // the same event was taken before: nothing changed
    std::optional<size_t> replaces;  // the line of the event it edits
    std::vector<size_t> erased;      // the current line of each event its notes erased
    std::vector<size_t> sameNumber;  // the current lines of other live events with its number, newest first
};

class Corrections {
public:
    // Lines are numbered in the order they are taken, from 0.
    CorrectionTaken Take(CorrectionLine line);
    // Clear Last on this station: the writer's latest live event is erased now (its
    // current line is returned); the writer's next erase note is this erase.
    std::optional<size_t> EraseNow(const std::string& writer);

    size_t Size() const { return lines_.size(); }
    Standing StandingOf(size_t line) const { return lines_[line].standing; }
    // For the line that added a live event, the line it reads as now; else nothing.
    std::optional<size_t> Shown(size_t line) const;
    // The line that added the event this line is a form of.
    size_t EventOf(size_t line) const { return lines_[line].event; }

private:
    // What the rules keep of a line taken (a long log holds many).
    struct Entry {
        size_t sameness = 0, time = 0;  // time: of its UTC date and time, 0 when it has none
        uint32_t writer = 0;            // index in writers_
        Standing standing = Standing::Live;
        size_t event = 0;     // the line that added the event this line is a form of
        size_t previous = 0;  // the line taken before it with its number; kNone: none
    };
    static constexpr size_t kNone = static_cast<size_t>(-1);
    void Erase(size_t event);
    uint32_t WriterOf(const std::string& writer);

    std::vector<Entry> lines_;
    std::vector<size_t> current_;                        // per line that added an event: its current line
    std::unordered_map<std::string, size_t> byNumber_;   // number -> the newest line taken with it
    std::unordered_map<std::string, uint32_t> writers_;  // writer -> its index
    std::vector<std::vector<size_t>> added_;             // per writer: events added, oldest first
    std::vector<int> owed_;                              // per writer: erases done by EraseNow
};

}  // namespace varnel
