#include "platform/datetime.h"

#include <chrono>
#include <cstdio>

namespace varnel {

namespace {
std::string Two(int v) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}
const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}  // namespace

std::string ShortDate(const DateTime& t) {
    return Two(t.month) + "/" + Two(t.day) + "/" + std::to_string(t.year);
}
std::string ShortTime(const DateTime& t) {
    return Two(t.hour) + ":" + Two(t.minute);
}
std::string LongTime(const DateTime& t) {
    return Two(t.hour) + ":" + Two(t.minute) + ":" + Two(t.second);
}
std::string DateLoc(const DateTime& t) {
    const char* m = (t.month >= 1 && t.month <= 12) ? kMonths[t.month - 1] : "";
    return Two(t.day) + "-" + m + "-" + std::to_string(t.year);
}

int DayOfYear(const DateTime& t) {
    using namespace std::chrono;
    year_month_day d{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}};
    year_month_day first{year{t.year}, January, day{1}};
    return static_cast<int>((sys_days(d) - sys_days(first)).count()) + 1;
}

DateTime AddMilliseconds(const DateTime& t, long long ms, long long* subMs) {
    using namespace std::chrono;
    long long carry = subMs ? *subMs : 0;
    long long total = carry + ms;
    long long secs = total / 1000;
    if (subMs) *subMs = total % 1000;
    sys_days d = sys_days(
        year_month_day{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}});
    sys_seconds s = d + hours(t.hour) + minutes(t.minute) + seconds(t.second) + seconds(secs);
    auto dd = floor<days>(s);
    year_month_day ymd(dd);
    hh_mm_ss hms(s - dd);
    DateTime out;
    out.year = static_cast<int>(ymd.year());
    out.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    out.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    out.hour = static_cast<int>(hms.hours().count());
    out.minute = static_cast<int>(hms.minutes().count());
    out.second = static_cast<int>(hms.seconds().count());
    return out;
}

long long EpochSeconds(const DateTime& t) {
    using namespace std::chrono;
    sys_days d = sys_days(
        year_month_day{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}});
    return duration_cast<seconds>(d.time_since_epoch() + hours(t.hour) + minutes(t.minute) + seconds(t.second)).count();
}

}  // namespace varnel
