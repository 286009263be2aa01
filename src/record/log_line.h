// The one codec of a logged event: the parser of a log line and the formatter of each
// form an event is written in. Every reader and writer of the logs goes through here.
//
// The quirks of the forms, kept on purpose because years of cruise logs hold them:
// - Columns are separated by one "," with nothing quoted or escaped: a comma typed into
//   a comment adds a column, so every later column of that line moves right. Readers
//   therefore take the comments as everything from the 16th column up to the order of
//   occupation. A comma in an event name (a role list may hold one) moves the columns
//   the same way and cannot be told apart: such a line is read one column off, and is
//   still written back byte for byte.
// - A cruise-log line is the 17 event columns followed directly by the navigation
//   suffix: "," + MET items 1 to 111 whether blank or not, then "," + each later item
//   that is not blank. A station without MET data writes 111 empty columns.
// - The local cruise log and both HTML tables carry the six-decimal position; every
//   other form carries the displayed five-decimal texts.
// - A role-log line (and the CTD-at-depth file) is the 17 columns, no suffix. The
//   last-event exchange file holds the shared cruise-log line.
// - Columns 7 and 8 of a role log are headed DatePST and TimePST but hold the same
//   local date and time as the cruise log's DateLoc and TimeLoc.
// - A Tab or a line break inside a field (a comment pasted from elsewhere) is logged as
//   one blank: a line break would split the record for every reader. This is where
//   the logs differ from what was typed, on purpose.
// - Positions that could not be read are logged as -99 (or 00.000000 with no fix);
//   the codec keeps the text, and the typed reading is that number.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "record/logged_event.h"

namespace varnel {

// The columns of an event in the order every log line holds them. This table is the
// one place where a column is added: the cruise and role logs and their headers, the
// exchange files, the journal (which carries those lines) and the HTML row follow it.
struct LogColumn {
    const char* header;                 // in the cruise log's header
    const char* roleHeader;             // in a role log's header
    std::string LoggedEvent::*text;     // as the shared files log it
    std::string LoggedEvent::*precise;  // a position's six-decimal form, else null
    int htmlPlace;                      // its place in the HTML row; -1: not in the row
};
const std::vector<LogColumn>& LogColumns();
// The navigation columns that a cruise-log line always carries after the event's.
inline constexpr size_t kNavigationColumns = 111;
size_t EventColumnCount();

const std::string& LocalHeader();
const std::string& RoleHeader();

// Reads any line the logger writes an event in (cruise log, role log, last-event and
// CTD files). A column the line does not reach is empty; `columnsRead` says how many
// it had. Where the comments end on a cruise-log line: the order of occupation is the
// first column after them that is a whole number or empty and leaves the navigation
// its 111 columns plus only non-blank ones; a line of fewer than 128 columns carries
// no navigation and its last column is the order of occupation.
// Readers that never write the line back (the report, the grid, the deployments strip)
// may skip the navigation columns, which are most of a cruise-log line's columns; the
// six-decimal position is then left empty too.
enum class NavigationColumnsRead { Yes, Skipped };
LoggedEvent ParseLogLine(std::string_view line, NavigationColumnsRead navigation = NavigationColumnsRead::Yes);
// Whether a line read holds an event at all (a header or a scrap of text does not).
bool HoldsEvent(const LoggedEvent& e);

// The navigation suffix of MET items 0 to 200 (item 0 is not logged).
std::vector<std::string> NavigationColumns(const std::array<std::string, 201>& metItems);

// A field as every form logs it: each Tab and each line break (CR LF, CR or LF) is one
// blank.
std::string LoggedText(std::string_view field);

// The local cruise log's line: six-decimal position and the navigation suffix.
std::string LocalCruiseLogLine(const LoggedEvent& e);
// The shared cruise log's line, also the last-event exchange file's one line.
std::string SharedCruiseLogLine(const LoggedEvent& e);
// A role log's line, also the CTD-at-depth exchange file's one line.
std::string RoleLogLine(const LoggedEvent& e);
// The HTML tables' row.
std::string HtmlTableRow(const LoggedEvent& e);

// One line of the events-only extract from one shared-log line: the columns up to the
// 16th comma or the first "$", the event number replaced by the line's number in the
// log, every column ended by ",".
std::string ExtractLine(std::string_view logLine, long lineNumber);

}  // namespace varnel
