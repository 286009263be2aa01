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
    std::string key;
    const std::string* parts[] = {&c.number, &e.stndLine,         &e.stndSta, &e.dateLoc, &e.timeLoc,  &e.activity,
                                  &e.event,  &e.operatorInitials, &e.dateUtc, &e.timeUtc, &e.comments, &e.ordOcc};
    for (const std::string* s : parts) {
        key += *s;
        key += '\x1f';
    }
    c.sameness = std::hash<std::string>{}(key);
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

std::optional<size_t> Corrections::EraseNow(const std::string& writer) {
    auto& added = added_[writer];
    while (!added.empty() && lines_[current_[added.back()]].standing != Standing::Live) added.pop_back();
    if (added.empty()) return std::nullopt;
    const size_t event = added.back();
    added.pop_back();
    Erase(event);
    ++owed_[writer];
    return current_[event];
}

CorrectionTaken Corrections::Take(CorrectionLine line) {
    CorrectionTaken taken;
    auto& same = byNumber_[line.number];
    const size_t at = lines_.size();
    current_.push_back(at);
    for (size_t i : same)
        if (lines_[i].line.sameness == line.sameness && lines_[i].line.writer == line.writer) {
            taken.again = true;
            lines_.push_back({std::move(line), Standing::Replaced, lines_[i].event});
            return taken;
        }
    Entry entry{line, Standing::Live, at};

    int& owed = owed_[line.writer];
    for (int notes = line.erases - std::min(line.erases, owed); notes > 0; --notes) {
        auto& added = added_[line.writer];
        while (!added.empty() && lines_[current_[added.back()]].standing != Standing::Live) added.pop_back();
        if (added.empty()) break;
        taken.erased.push_back(current_[added.back()]);
        Erase(added.back());
        added.pop_back();
    }
    owed = 0;

    if (line.erases == 0 && !line.adds) {
        for (auto i = same.rbegin(); i != same.rend() && !taken.replaces; ++i) {
            const Entry& earlier = lines_[*i];
            const bool sameTime =
                !line.timeUtc.empty() && earlier.line.dateUtc == line.dateUtc && earlier.line.timeUtc == line.timeUtc;
            if (earlier.standing == Standing::Live && (earlier.line.writer == line.writer || sameTime))
                taken.replaces = *i;
        }
    }
    if (taken.replaces) {
        lines_[*taken.replaces].standing = Standing::Replaced;
        entry.event = lines_[*taken.replaces].event;
        current_[entry.event] = at;
    } else {
        added_[line.writer].push_back(at);
        for (size_t i : same)
            if (lines_[i].standing == Standing::Live) taken.sameNumber.push_back(i);
    }
    same.push_back(at);
    lines_.push_back(std::move(entry));
    return taken;
}

}  // namespace varnel
