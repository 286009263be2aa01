// One entry of the pending-events journal (PendingEvents.txt in the home folder): the
// lines of one event and where they go, so that they can be written later exactly as
// they would have been written at once, and which side still lacks them: the shared
// files, the station's own files, or both. One line per event, fifteen fields
// separated by tabs; a backslash, tab, CR or LF inside a field is written as \\, \t,
// \r or \n, so a comment holding any of them stays one entry. A line of twelve
// fields (written before the local side was kept) lacks the shared side only.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// Which files still lack the event.
enum class Lacks { Shared, Local, Both };

struct PendingEvent {
    bool localOperation = false;  // recorded with network mode off
    std::string number;           // the event number as logged
    std::string localLog, localLine;
    std::string sharedLog, sharedLine;
    std::string roleLog, roleLine;
    std::string html, htmlRow, project, cruise;  // html empty: no table is kept
    Lacks lacks = Lacks::Shared;
    std::string localRoleLog, localHtml;  // the station's role log and HTML table (localHtml empty: none)

    bool LacksShared() const { return lacks != Lacks::Local; }
    bool LacksLocal() const { return lacks != Lacks::Shared; }
};

std::string JournalEntryLine(const PendingEvent& e);
// Nothing for a line cut short by a crash while it was added.
std::optional<PendingEvent> ParseJournalEntry(std::string_view line);

}  // namespace varnel
