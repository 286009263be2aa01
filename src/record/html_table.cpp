#include "record/html_table.h"

#include <cstring>
#include <optional>
#include <vector>

#include "platform/strings.h"

namespace varnel {

namespace {

const size_t kHtmlLimit = 3000, kHtmlHead = 8;

// "/TABLE" in any case at position i.
bool IsTableEnd(const std::string& text, size_t i) {
    static const char word[] = "/TABLE";
    if (i + 6 > text.size()) return false;
    for (size_t k = 1; k < 6; ++k)
        if ((text[i + k] & ~0x20) != word[k]) return false;  // ASCII letters in either case
    return true;
}

// The table with the row added, worked on its bytes: only for a table as this program
// writes it (CR LF line ends, no blank line, the closing lines at its end); any other
// table goes the line-by-line way. Past the limit the head and the newest rows stay.
std::optional<std::string> SpliceHtmlRow(const std::string& text, const std::string& row) {
    static const std::string tail = "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
    if (text.size() < tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        return std::nullopt;
    const size_t body = text.size() - tail.size();  // where the closing lines start
    const char* data = text.data();
    std::vector<size_t> starts{0};  // where each line starts
    for (size_t from = 0; from < body;) {
        auto* cr = static_cast<const char*>(std::memchr(data + from, '\r', body - from));
        if (!cr || cr + 1 >= data + text.size() || cr[1] != '\n') return std::nullopt;
        const size_t end = static_cast<size_t>(cr - data);
        std::string_view line(data + from, end - from);
        if (line.find('\n') != line.npos || line.find_first_not_of(" \t") == line.npos) return std::nullopt;
        for (size_t k = line.find('/'); k != line.npos; k = line.find('/', k + 1))
            if (IsTableEnd(text, from + k)) return std::nullopt;
        from = end + 2;
        starts.push_back(from);
    }
    if (starts.back() != body) return std::nullopt;  // the closing lines do not start a line
    const size_t kept = starts.size() - 1;           // lines before the closing lines
    std::string out;
    out.reserve(text.size() + row.size() + 2);
    if (kept > kHtmlLimit - 1 && kept > kHtmlHead) {
        out.append(text, 0, starts[kHtmlHead]);
        out.append(text, starts[kept - (kHtmlLimit - 1 - kHtmlHead)],
                   body - starts[kept - (kHtmlLimit - 1 - kHtmlHead)]);
    } else {
        out.append(text, 0, body);
    }
    out += row;
    out += "\r\n";
    out += tail;
    return out;
}

}  // namespace

std::string HtmlWithRow(FileSystem& fs, const std::string& path, const std::string& row, const std::string& project,
                        const std::string& cruise) {
    std::vector<std::string> kept;
    if (!fs.Exists(path)) {
        kept = {"<HTML>",
                "<HEAD>",
                "<TITLE>" + project + " " + cruise + " EVENT LOG</TITLE>",
                "</HEAD>",
                "<BODY>",
                "<H2><CENTER>" + project + " " + cruise + " EVENT LOG</CENTER></H2>",
                "<TABLE BORDER=1 CELLSPACING=1>",
                "<TR><TH>STUDY<TH>Event#<TH>Line<TH>Sta<TH>UTC_Date<TH>UTC_Time<TH>Latitude<TH>"
                "Longitude<TH>Activity<TH>Event<TH>Init.<TH>Loc_Date<TH>Loc_Time<TH>Comments<TH>"
                "Ord_Occ"};
    } else {
        std::string text = fs.ReadAll(path);
        if (auto spliced = SpliceHtmlRow(text, row)) return std::move(*spliced);
        for (auto& line : SplitLines(text)) {
            if (Trim(line).empty()) continue;
            if (Contains(UCase(line), "/TABLE")) break;
            kept.push_back(line);
        }
        // A table that would pass 3000 lines keeps its head and its newest rows; every
        // row stays in the cruise logs.
        const size_t limit = kHtmlLimit, head = kHtmlHead;
        if (kept.size() > limit - 1 && kept.size() > head)
            kept.erase(kept.begin() + head, kept.end() - (limit - 1 - head));
    }
    kept.push_back(row);
    kept.insert(kept.end(), {"</TABLE>", "</BODY>", "</HTML>"});
    std::string out;
    for (auto& line : kept) out += line + "\r\n";
    return out;
}

void AppendHtmlRow(FileSystem& fs, const std::string& path, const std::string& row, const std::string& project,
                   const std::string& cruise) {
    fs.ReplaceText(path, HtmlWithRow(fs, path, row, project, cruise));
}

}  // namespace varnel
