#include "record/journal_entry.h"

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

std::string JournalEntryLine(const PendingEvent& e) {
    const std::string* fields[] = {&e.number,   &e.localLog, &e.localLine, &e.sharedLog, &e.sharedLine, &e.roleLog,
                                   &e.roleLine, &e.html,     &e.htmlRow,   &e.project,   &e.cruise};
    std::string out = e.localOperation ? "local" : "network";
    for (const auto* f : fields) out += "\t" + Escape(*f);
    return out;
}

std::optional<PendingEvent> ParseJournalEntry(std::string_view line) {
    auto v = Unescape(line);
    if (v.size() < 12) return std::nullopt;
    return PendingEvent{v[0] == "local", v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]};
}

}  // namespace varnel
