// Where the cruise's shared record lives. The recorder draws the event number and the
// order of occupation, adds each event to the shared logs, announces it, and learns of
// the other stations' events through this one seam; the report reads a cruise through
// it. The shared data folder is one store (the files every station shares); a store
// backed by transactions fits the same calls: a draw that fails leaves nothing behind
// and may simply be tried again, adding an event the store already holds changes
// nothing, and the events of the other stations are read since a mark.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "record/journal_entry.h"
#include "record/logged_event.h"

namespace varnel {

// How far a reader has followed the cruise log.
struct StoreMark {
    std::string log;           // which log the mark is in; another log starts over
    size_t position = 0;       // how much of it has been taken in
    bool startedOver = false;  // the last read began the log again (another log, or a shorter one)
};

// What every reader of a cruise needs: the report, and the stations following along.
class CruiseReader {
public:
    virtual ~CruiseReader() = default;
    // The newest event announced by any station; nothing when none has been.
    virtual std::optional<std::string> Announced() = 0;
    // Gives `take` the whole events added to the cruise log since `mark`, oldest first,
    // read without their navigation columns; the mark moves past them first (and says
    // whether the log was started over). An event still being written waits for the
    // next call. Failures throw FileError and leave the mark where it was.
    virtual void EventsSince(StoreMark& mark, const std::function<void(const LoggedEvent&)>& take) = 0;
    // The cruise log, one entry per line in order: an entry that holds no event is a
    // line that could not be read as one.
    virtual std::vector<std::string> CruiseLines() = 0;
};

class CruiseStore : public CruiseReader {
public:
    enum class Counter { EventNumber, OrderOfOccupation };
    // Whether the event may already be in the store: a first delivery right after its
    // draw cannot be, a delivery again (the catch-up after an outage) may have been cut
    // short anywhere and is checked target by target.
    enum class Delivery { First, Again };

    virtual bool HasCounter(Counter c) = 0;
    // The counter's value by the leading-number rule; nothing when it is blank.
    virtual std::optional<double> ReadCounter(Counter c) = 0;
    virtual void SetCounter(Counter c, const std::string& text) = 0;
    // Reads the counter and stores what `next` makes of it, with no other station in
    // between; returns what was stored. Failures throw FileError and store nothing.
    virtual std::string DrawCounter(Counter c, const std::function<std::string(std::optional<double> held)>& next) = 0;
    // Raises the counter to `atLeast` (a whole number) when it holds less, never lowering
    // it, with no other station in between: numbers used while the store was away are
    // not drawn again. Failures throw FileError.
    virtual void RaiseCounter(Counter c, long long atLeast) = 0;

    // Adds the event's shared lines (cruise log, role log, HTML table) and, with
    // `announce`, makes it the newest event the other stations pick up. Throws FileError
    // at the first target that cannot be written.
    virtual void AddEvent(const PendingEvent& e, Delivery delivery, bool announce) = 0;
    // Marks a CTD cast at depth with the event's role-log line.
    virtual void MarkCtdAtDepth(const std::string& roleLine) = 0;
};

}  // namespace varnel
