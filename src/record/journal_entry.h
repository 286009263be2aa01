// One entry of the pending-events journal (PendingEvents.txt in the home folder): the
// shared lines of one event and where they go, so that they can be sent later exactly
// as they would have been written at once. One line per event, twelve fields
// separated by tabs; a backslash, tab, CR or LF inside a field is written as \\, \t,
// \r or \n, so a comment holding any of them stays one entry.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

struct PendingEvent {
    bool localOperation = false;  // recorded with network mode off
    std::string number;           // the event number as logged
    std::string localLog, localLine;
    std::string sharedLog, sharedLine;
    std::string roleLog, roleLine;
    std::string html, htmlRow, project, cruise;  // html empty: no table is kept
};

std::string JournalEntryLine(const PendingEvent& e);
// Nothing for a line cut short by a crash while it was added.
std::optional<PendingEvent> ParseJournalEntry(std::string_view line);

}  // namespace varnel
