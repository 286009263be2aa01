// The Julian (day-of-year) event number: day text and time text from the clock.
#pragma once
#include <string>
#include <string_view>

#include "platform/station_services.h"

namespace varnel {

struct JulianNumber {
    DateTime date;     // today's date from the clock
    std::string day;   // day of the year, at least 3 digits ("036")
    std::string time;  // long time or short time, without ":"
    std::string Text() const { return day + "." + time; }
};

// timeForm is the configuration's event modes: "LONG" in any case gives the long time (with
// seconds), anything else the short time.
JulianNumber MakeJulianNumber(StationServices& clock, std::string_view timeForm);

}  // namespace varnel
