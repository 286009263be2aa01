#include "record/deployments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/datetime.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "record/log_line.h"

namespace varnel {

namespace {

std::vector<std::string> Words(std::string_view name) {
    std::vector<std::string> words;
    std::string word;
    for (char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

bool StartsWith(const std::string& w, std::string_view prefix) {
    return w.compare(0, prefix.size(), prefix) == 0;
}

bool IsOpenWord(const std::string& w) {
    return StartsWith(w, "DEPLOY") || w == "START" || w == "STARTED" || w == "BEGIN";
}
bool IsCloseWord(const std::string& w) {
    return StartsWith(w, "RECOVER") || w == "END" || w == "ENDED" || w == "STOP" || w == "STOPPED";
}
// The words of "IN WATER", "IN THE WATER", "ON DECK" and "OUT OF WATER".
bool IsPhraseWord(const std::string& w) {
    return w == "IN" || w == "THE" || w == "WATER" || w == "ON" || w == "DECK" || w == "OUT" || w == "OF";
}

bool HasPhrase(const std::vector<std::string>& words, std::initializer_list<std::string_view> phrase) {
    for (size_t i = 0; i + phrase.size() <= words.size(); ++i)
        if (std::equal(phrase.begin(), phrase.end(), words.begin() + static_cast<std::ptrdiff_t>(i))) return true;
    return false;
}

}  // namespace

Phase PhaseOf(std::string_view eventName) {
    auto words = Words(eventName);
    if (std::any_of(words.begin(), words.end(), IsCloseWord) || HasPhrase(words, {"ON", "DECK"}) ||
        HasPhrase(words, {"OUT", "OF", "WATER"}))
        return Phase::Closes;
    if (std::any_of(words.begin(), words.end(), IsOpenWord) || HasPhrase(words, {"IN", "WATER"}) ||
        HasPhrase(words, {"IN", "THE", "WATER"}))
        return Phase::Opens;
    return Phase::None;
}

std::string Subject(std::string_view eventName) {
    std::string subject;
    for (const auto& w : Words(eventName))
        if (!IsOpenWord(w) && !IsCloseWord(w) && !IsPhraseWord(w)) subject += (subject.empty() ? "" : " ") + w;
    return subject;
}

namespace {

void Gone(DeploymentBook& book, size_t line) {
    auto at = book.position.find(book.corrections.EventOf(line));
    if (at != book.position.end()) book.events[at->second].gone = true;
}

}  // namespace

void EraseLatestEvent(DeploymentBook& book, const std::string& writer) {
    if (auto line = book.corrections.EraseNow(writer)) Gone(book, *line);
}

void NoteLoggedEvent(DeploymentBook& book, const LoggedEvent& logged, long long seenS) {
    if (Trim(logged.number).empty()) return;
    const CorrectionTaken taken = book.corrections.Take(CorrectionLineOf(logged));
    if (taken.again) return;
    for (size_t line : taken.erased) Gone(book, line);
    const size_t event = book.corrections.EventOf(book.corrections.Size() - 1);
    auto known = book.position.find(event);
    const Phase phase = PhaseOf(logged.event);
    if (phase == Phase::None) {
        if (known != book.position.end()) book.events[known->second].gone = true;
        return;
    }
    DeploymentEvent e;
    e.number = Trim(logged.number);
    e.line = logged.stndLine;
    e.station = logged.stndSta;
    e.activity = logged.activity;
    e.event = logged.event;
    e.operatorInitials = logged.operatorInitials;
    e.startS = logged.UtcSeconds().value_or(seenS);
    e.opens = phase == Phase::Opens;
    e.subject = Subject(e.event);
    if (known != book.position.end()) {
        book.events[known->second] = std::move(e);
    } else {
        book.position.emplace(event, book.events.size());
        book.events.push_back(std::move(e));
    }
}

void NoteLogLine(DeploymentBook& book, std::string_view line, long long seenS) {
    const LoggedEvent logged = ParseLogLine(line, NavigationColumnsRead::Skipped);
    if (HoldsEvent(logged)) NoteLoggedEvent(book, logged, seenS);
}

std::vector<OpenOperation> OpenOperations(const DeploymentBook& book, long long nowS) {
    std::vector<OpenOperation> open;
    for (const auto& e : book.events) {
        if (e.gone) continue;
        if (e.opens) {
            auto m = book.minutes.find(e.activity);
            open.push_back({e, m == book.minutes.end() ? 0 : m->second, false});
            continue;
        }
        auto same = [&](bool bySubject) {
            return std::find_if(open.begin(), open.end(), [&](const OpenOperation& o) {
                return o.start.activity == e.activity && (!bySubject || o.start.subject == e.subject);
            });
        };
        auto it = same(true);
        if (it == open.end()) it = same(false);
        if (it != open.end()) open.erase(it);
    }
    for (auto& o : open) o.overdue = o.minutes > 0 && nowS - o.start.startS > o.minutes * 60;
    return open;
}

const std::vector<std::string>& DefaultDurationLines() {
    static const std::vector<std::string> lines = {
        "# Activity,minutes: the longest time an operation of the activity is expected to stay",
        "# in the water. Past it the logger shows the operation in red and says so once.",
        "# An activity not listed here, or with 0 minutes, is never overdue.",
        "CTD,180",
        "BONGO,60",
        "MANTA,45",
        "PAIROVET,40",
        "SECCHI,20",
        "TM-GOFLO,90",
        "TM POLE,60",
        "TM PUMP,120",
        "PRR,45",
        "SONOBUOY,480",
        "TOWEDARRAY,720",
        "MMammals,240",
        "Ancillary,120"};
    return lines;
}

std::map<std::string, long long> ParseDurations(const std::vector<std::string>& lines, std::string& note) {
    std::map<std::string, long long> minutes;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = Trim(lines[i]);
        if (line.empty() || line[0] == '#') continue;
        auto comma = line.rfind(',');
        long long m = comma == std::string::npos ? -1 : WholeDigits(Trim(line.substr(comma + 1)));
        std::string name = comma == std::string::npos ? "" : Trim(line.substr(0, comma));
        if (m < 0 || name.empty()) {
            if (note.empty()) note = "line " + std::to_string(i + 1) + " \"" + line + "\" is not activity,minutes";
            continue;
        }
        minutes[name] = m;
    }
    return minutes;
}

std::string DurationText(long long seconds) {
    long long m = std::max(0LL, seconds) / 60;
    if (m < 60) return std::to_string(m) + " min";
    std::string mm = std::to_string(m % 60);
    return std::to_string(m / 60) + " h " + (mm.size() < 2 ? "0" : "") + mm + " min";
}

}  // namespace varnel
