#include "record/logged_event.h"

#include <charconv>

#include "platform/datetime.h"
#include "platform/numbers.h"
#include "platform/strings.h"

namespace varnel {

namespace {

// A whole text as a number, blanks around it allowed; nothing when any other
// character is left over.
std::optional<double> Reading(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

}  // namespace

std::optional<long long> LoggedEvent::Number() const {
    auto v = Reading(number);
    if (!v) return std::nullopt;
    return static_cast<long long>(*v);  // a Julian number counts by its day
}

std::optional<double> LoggedEvent::Latitude() const {
    return Reading(lat);
}

std::optional<double> LoggedEvent::Longitude() const {
    return Reading(lon);
}

std::optional<long long> LoggedEvent::UtcSeconds() const {
    return varnel::UtcSeconds(dateUtc, timeUtc);
}

bool LoggedEvent::ErasesPrevious() const {
    return varnel::ErasesPrevious(comments);
}

bool ErasesPrevious(std::string_view comments) {
    return comments.find("erase previous event") != std::string_view::npos;
}

std::optional<long long> UtcSeconds(std::string_view date, std::string_view time) {
    static const char* months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    DateTime t;
    if (date.size() == 11 && date[2] == '-' && date[6] == '-') {  // 05-Jul-2007
        t.day = WholeDigits(date.substr(0, 2));
        t.year = WholeDigits(date.substr(7));
        t.month = 0;
        const std::string month = UCase(date.substr(3, 3));
        for (int m = 0; m < 12; ++m)
            if (month == months[m]) t.month = m + 1;
    } else if (date.size() == 10 && date[4] == '-' && date[7] == '-') {  // 2007-07-05
        t.year = WholeDigits(date.substr(0, 4));
        t.month = WholeDigits(date.substr(5, 2));
        t.day = WholeDigits(date.substr(8));
    } else if (date.size() == 10 && date[2] == '/' && date[5] == '/') {  // 07/05/2007
        t.month = WholeDigits(date.substr(0, 2));
        t.day = WholeDigits(date.substr(3, 2));
        t.year = WholeDigits(date.substr(6));
    } else {
        return std::nullopt;
    }
    if (time.size() != 8 || time[2] != ':' || time[5] != ':') return std::nullopt;
    t.hour = WholeDigits(time.substr(0, 2));
    t.minute = WholeDigits(time.substr(3, 2));
    t.second = WholeDigits(time.substr(6));
    if (t.year < 1970 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 || t.hour > 23 ||
        t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 60)
        return std::nullopt;
    return EpochSeconds(t);
}

}  // namespace varnel
