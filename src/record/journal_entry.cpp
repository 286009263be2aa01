#include "record/journal_entry.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace varnel {

namespace {

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::vector<std::string> Unescape(std::string_view line) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            char n = line[++i];
            fields.back() += n == 't' ? '\t' : n == 'r' ? '\r' : n == 'n' ? '\n' : n;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace

namespace {

const char* const kLacks[] = {"shared", "local", "both"};

// The text fields after the first, in the order of the line.
template <class Event>
auto TextFields(Event& e) {
    return std::array{&e.number,   &e.localLog, &e.localLine, &e.sharedLog, &e.sharedLine, &e.roleLog,
                      &e.roleLine, &e.html,     &e.htmlRow,   &e.project,   &e.cruise};
}

}  // namespace

std::string JournalEntryLine(const PendingEvent& e) {
    std::string out = e.localOperation ? "local" : "network";
    for (const auto* f : TextFields(e)) out += "\t" + Escape(*f);
    out += std::string("\t") + kLacks[static_cast<int>(e.lacks)];
    return out + "\t" + Escape(e.localRoleLog) + "\t" + Escape(e.localHtml);
}

std::optional<PendingEvent> ParseJournalEntry(std::string_view line) {
    auto v = Unescape(line);
    if (v.size() != 12 && v.size() != 15) return std::nullopt;
    PendingEvent e;
    e.localOperation = v[0] == "local";
    size_t i = 0;
    for (auto* f : TextFields(e)) *f = v[++i];
    if (v.size() == 12) return e;
    const auto* lacks = std::find(std::begin(kLacks), std::end(kLacks), v[12]);
    if (lacks == std::end(kLacks)) return std::nullopt;
    e.lacks = static_cast<Lacks>(lacks - std::begin(kLacks));
    e.localRoleLog = v[13];
    e.localHtml = v[14];
    return e;
}

}  // namespace varnel
