#include "record/corrections.h"

#include <algorithm>
#include <functional>

#include "platform/strings.h"

namespace varnel {

int EraseNotes(std::string_view comments) {
    static constexpr std::string_view note = "erase previous event";
    int n = 0;
    for (size_t at = comments.find(note); at != std::string_view::npos; at = comments.find(note, at + note.size())) ++n;
    return n;
}

CorrectionLine CorrectionLineOf(const LoggedEvent& e) {
    CorrectionLine c;
    c.number = Trim(e.number);
    c.writer = e.operatorInitials;
    c.dateUtc = e.dateUtc;
    c.timeUtc = e.timeUtc;
    c.erases = EraseNotes(e.comments);
    // Every column but the position, which a line may carry in either of its forms.
    const std::string* parts[] = {&c.number, &e.stndLine,         &e.stndSta, &e.dateLoc, &e.timeLoc,  &e.activity,
                                  &e.event,  &e.operatorInitials, &e.dateUtc, &e.timeUtc, &e.comments, &e.ordOcc};
    for (const std::string* s : parts) c.sameness = c.sameness * 1000003 ^ std::hash<std::string_view>{}(*s);
    return c;
}

std::optional<CorrectionLine> CorrectionLineOfLogLine(std::string_view line) {
    // Number, operator, UTC date and time are columns 1, 12, 13 and 14, before the
    // comments, so a comma typed into a comment does not move them.
    std::string_view cols[15];
    size_t at = 0, n = 0;
    for (; n < 15; ++n) {
        const size_t comma = line.find(',', at);
        if (comma == std::string_view::npos) break;
        cols[n] = line.substr(at, comma - at);
        at = comma + 1;
    }
    if (n < 14) return std::nullopt;
    if (n == 14) cols[14] = line.substr(at);
    CorrectionLine c;
    c.number = Trim(std::string(cols[1]));
    if (c.number == "Event#") return std::nullopt;
    c.writer = cols[12];
    c.dateUtc = cols[13];
    c.timeUtc = cols[14];
    c.erases = EraseNotes(line);
    c.sameness = std::hash<std::string_view>{}(line);
    return c;
}

std::optional<size_t> Corrections::Shown(size_t line) const {
    const Entry& e = lines_[line];
    if (e.event != line || lines_[current_[line]].standing != Standing::Live) return std::nullopt;
    return current_[line];
}

void Corrections::Erase(size_t event) {
    lines_[current_[event]].standing = Standing::Erased;
}

uint32_t Corrections::WriterOf(const std::string& writer) {
    auto [at, added] = writers_.try_emplace(writer, static_cast<uint32_t>(writers_.size()));
    if (added) {
        added_.emplace_back();
        owed_.push_back(0);
    }
    return at->second;
}

std::optional<size_t> Corrections::EraseNow(const std::string& writer) {
    const uint32_t w = WriterOf(writer);
    auto& added = added_[w];
    while (!added.empty() && lines_[current_[added.back()]].standing != Standing::Live) added.pop_back();
    if (added.empty()) return std::nullopt;
    const size_t event = added.back();
    added.pop_back();
    Erase(event);
    ++owed_[w];
    return current_[event];
}

CorrectionTaken Corrections::Take(CorrectionLine line) {
    CorrectionTaken taken;
    const size_t at = lines_.size();
    Entry entry{line.sameness, 0, WriterOf(line.writer), Standing::Live, at, kNone};
    if (!line.timeUtc.empty())
        entry.time = (std::hash<std::string>{}(line.dateUtc) * 1000003 ^ std::hash<std::string>{}(line.timeUtc)) | 1;
    auto newest = byNumber_.try_emplace(std::move(line.number), kNone).first;
    entry.previous = newest->second;  // the lines with this number, newest first
    current_.push_back(at);
    for (size_t i = entry.previous; i != kNone; i = lines_[i].previous)
        if (lines_[i].sameness == entry.sameness && lines_[i].writer == entry.writer) {
            taken.again = true;
            lines_.push_back({entry.sameness, entry.time, entry.writer, Standing::Replaced, lines_[i].event, kNone});
            return taken;
        }

    int& owed = owed_[entry.writer];
    auto& added = added_[entry.writer];
    for (int notes = line.erases - std::min(line.erases, owed); notes > 0; --notes) {
        while (!added.empty() && lines_[current_[added.back()]].standing != Standing::Live) added.pop_back();
        if (added.empty()) break;
        taken.erased.push_back(current_[added.back()]);
        Erase(added.back());
        added.pop_back();
    }
    owed = 0;

    if (line.erases == 0 && !line.adds) {
        for (size_t i = entry.previous; i != kNone && !taken.replaces; i = lines_[i].previous) {
            const Entry& earlier = lines_[i];
            const bool sameTime = entry.time != 0 && earlier.time == entry.time;
            if (earlier.standing == Standing::Live && (earlier.writer == entry.writer || sameTime)) taken.replaces = i;
        }
    }
    if (taken.replaces) {
        lines_[*taken.replaces].standing = Standing::Replaced;
        entry.event = lines_[*taken.replaces].event;
        current_[entry.event] = at;
    } else {
        added.push_back(at);
        for (size_t i = entry.previous; i != kNone; i = lines_[i].previous)
            if (lines_[i].standing == Standing::Live) taken.sameNumber.push_back(i);
    }
    newest->second = at;
    lines_.push_back(entry);
    return taken;
}

}  // namespace varnel
