// The Julian (day-of-year) event number: day text and time text from the clock.
#pragma once
#include <string>

#include "config/cfg_lines.h"
#include "platform/host.h"

namespace varnel {

struct JulianNumber {
    DateTime date;     // today's date from the clock
    std::string day;   // day of the year, at least 3 digits ("036")
    std::string time;  // long time (LONG in line 20) or short time, without ":"
    std::string Text() const { return day + "." + time; }
};

JulianNumber MakeJulianNumber(Host& host, const CfgLines& cfg);

}  // namespace varnel
