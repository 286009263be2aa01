#include "record/log_line.h"

#include <algorithm>

#include "text/split_fields.h"

namespace varnel {

namespace {

bool WholeOrEmpty(std::string_view s) {
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Blank(std::string_view s) {
    return s.find_first_not_of(' ') == std::string_view::npos;
}

std::string Join(const std::vector<std::string_view>& cols, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to; ++i) {
        if (i > from) out += ',';
        out.append(cols[i]);
    }
    return out;
}

// The index of the comments column: a comma typed into them adds columns there.
size_t CommentsColumn() {
    static const size_t at = [] {
        const auto& cols = LogColumns();
        for (size_t i = 0; i < cols.size(); ++i)
            if (cols[i].text == &LoggedEvent::comments) return i;
        return cols.size();
    }();
    return at;
}

// Where the columns after the comments start on a line of `n` columns (see the header).
size_t AfterComments(const std::vector<std::string_view>& cols, size_t n) {
    const size_t comments = CommentsColumn();
    const size_t after = EventColumnCount() - comments - 1;
    if (n < EventColumnCount() + kNavigationColumns) return std::max(comments + 1, n - std::min(n, after));
    const size_t last = n - after - kNavigationColumns;  // every extra column is the comments'
    for (size_t p = comments + 1; p < last; ++p) {
        if (!WholeOrEmpty(cols[p])) continue;  // the order of occupation is a whole number
        bool extrasFilled = true;              // items past 111 are logged only when not blank
        for (size_t k = p + after + kNavigationColumns; k < n && extrasFilled; ++k) extrasFilled = !Blank(cols[k]);
        if (extrasFilled) return p;
    }
    return last;
}

void AppendLogged(std::string& line, std::string_view field) {
    if (field.find_first_of("\t\r\n") == std::string_view::npos) {
        line.append(field);
        return;
    }
    for (size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n') ++i;
        line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    }
}

enum class Position { Shown, Precise };

// A line read back carries one position: both forms hold it.
LoggedEvent CopyPosition(LoggedEvent e) {
    for (const auto& c : LogColumns())
        if (c.precise) e.*c.precise = e.*c.text;
    return e;
}

std::string Record(const LoggedEvent& e, Position position) {
    std::string out;
    for (const auto& c : LogColumns()) {
        if (&c != &LogColumns().front()) out += ',';
        AppendLogged(out, e.*(position == Position::Precise && c.precise ? c.precise : c.text));
    }
    return out;
}

std::string Header(const char* LogColumn::*name) {
    std::string header;
    for (const auto& c : LogColumns()) header += (header.empty() ? "" : ",") + std::string(c.*name);
    return header;
}

std::string WithNavigation(std::string line, const LoggedEvent& e) {
    for (const auto& item : e.navigation) {
        line += ',';
        AppendLogged(line, item);
    }
    return line;
}

}  // namespace

const std::vector<LogColumn>& LogColumns() {
    using E = LoggedEvent;
    static const std::vector<LogColumn> columns = {{"Cruise", "Cruise", &E::cruise, nullptr, 0},
                                                   {"Event#", "Event#", &E::number, nullptr, 1},
                                                   {"StndLine", "StndLine", &E::stndLine, nullptr, 2},
                                                   {"StndSta", "StndSta", &E::stndSta, nullptr, 3},
                                                   {"CalcLine", "CalcLine", &E::calcLine, nullptr, -1},
                                                   {"CalcSta", "CalcSta", &E::calcSta, nullptr, -1},
                                                   {"DateLoc", "DatePST", &E::dateLoc, nullptr, 11},
                                                   {"TimeLoc", "TimePST", &E::timeLoc, nullptr, 12},
                                                   {"DecLat", "DecLat", &E::lat, &E::latPrecise, 6},
                                                   {"DecLon", "DecLon", &E::lon, &E::lonPrecise, 7},
                                                   {"Activity", "Activity", &E::activity, nullptr, 8},
                                                   {"Event", "Event", &E::event, nullptr, 9},
                                                   {"Operator", "Operator", &E::operatorInitials, nullptr, 10},
                                                   {"DateUTC", "DateUTC", &E::dateUtc, nullptr, 4},
                                                   {"TimeUTC", "TimeUTC", &E::timeUtc, nullptr, 5},
                                                   {"Comments", "Comments", &E::comments, nullptr, 13},
                                                   {"Ord_Occ", "Ord_Occ", &E::ordOcc, nullptr, 14}};
    return columns;
}

size_t EventColumnCount() {
    return LogColumns().size();
}

const std::string& LocalHeader() {
    static const std::string header = Header(&LogColumn::header);
    return header;
}

const std::string& RoleHeader() {
    static const std::string header = Header(&LogColumn::roleHeader);
    return header;
}

LoggedEvent ParseLogLine(std::string_view line, NavigationColumnsRead navigation) {
    thread_local std::vector<std::string_view> cols;
    const size_t n = 1 + static_cast<size_t>(std::count(line.begin(), line.end(), ','));
    // A reader without the navigation needs only the event's columns of a cruise-log line
    // with exactly 111 navigation columns; any other line needs all its columns to tell
    // comment commas from the navigation.
    const bool plain = navigation == NavigationColumnsRead::Skipped && n == EventColumnCount() + kNavigationColumns;
    LeadingFields(line, plain ? EventColumnCount() : n, cols);
    LoggedEvent e;
    const size_t comments = CommentsColumn();
    e.columnsRead = n;
    const auto& table = LogColumns();
    for (size_t i = 0; i < comments && i < n; ++i) (e.*table[i].text).assign(cols[i]);
    if (n > comments) {
        const size_t after = AfterComments(cols, n);
        e.comments = Join(cols, comments, std::min(after, n));
        size_t at = after;
        for (size_t i = comments + 1; i < table.size() && at < n; ++i) (e.*table[i].text).assign(cols[at++]);
        if (navigation == NavigationColumnsRead::Skipped) return e;
        e.navigation.reserve(n - at);
        for (; at < n; ++at) e.navigation.emplace_back(cols[at]);
    }
    return CopyPosition(std::move(e));
}

bool HoldsEvent(const LoggedEvent& e) {
    return e.columnsRead >= CommentsColumn() && e.number != "Event#";
}

std::vector<std::string> NavigationColumns(const std::array<std::string, 201>& metItems) {
    std::vector<std::string> cols(metItems.begin() + 1, metItems.begin() + 1 + kNavigationColumns);
    for (size_t i = kNavigationColumns + 1; i < metItems.size(); ++i)
        if (!Blank(metItems[i])) cols.push_back(metItems[i]);
    return cols;
}

std::string LoggedText(std::string_view field) {
    std::string out;
    AppendLogged(out, field);
    return out;
}

std::string LocalCruiseLogLine(const LoggedEvent& e) {
    return WithNavigation(Record(e, Position::Precise), e);
}

std::string SharedCruiseLogLine(const LoggedEvent& e) {
    return WithNavigation(Record(e, Position::Shown), e);
}

std::string RoleLogLine(const LoggedEvent& e) {
    return Record(e, Position::Shown);
}

std::string HtmlTableRow(const LoggedEvent& e) {
    std::vector<const std::string*> cells;
    for (const auto& c : LogColumns()) {
        if (c.htmlPlace < 0) continue;
        if (cells.size() <= static_cast<size_t>(c.htmlPlace)) cells.resize(static_cast<size_t>(c.htmlPlace) + 1);
        cells[static_cast<size_t>(c.htmlPlace)] = &(e.*(c.precise ? c.precise : c.text));
    }
    std::string row = "<TR ALIGN=RIGHT><TD>";
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i) row += "</TD><TD>";
        if (cells[i]) AppendLogged(row, *cells[i]);
    }
    return row + "</TD></TR>";
}

std::string ExtractLine(std::string_view logLine, long lineNumber) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t i = 0; i < logLine.size(); ++i) {
        if (logLine[i] == '$') break;
        if (logLine[i] != ',') continue;
        fields.push_back(logLine.substr(start, i - start));
        start = i + 1;
        if (fields.size() == 16) break;
    }
    std::string out =
        (fields.empty() ? std::string() : std::string(fields[0])) + "," + std::to_string(lineNumber) + ",";
    for (size_t i = 2; i < fields.size(); ++i) {
        out.append(fields[i]);
        out += ',';
    }
    return out;
}

}  // namespace varnel
