// The workstation clock's fixed formats: short date MM/dd/yyyy, short time HH:mm,
// long time HH:mm:ss (24-hour), and the logs' local date dd-Mon-yyyy.
#pragma once
#include <string>

#include "platform/station_services.h"

namespace varnel {

std::string ShortDate(const DateTime& t);
std::string ShortTime(const DateTime& t);
std::string LongTime(const DateTime& t);
std::string DateLoc(const DateTime& t);
int DayOfYear(const DateTime& t);
// Adds milliseconds to a clock reading (the fake clock's pauses).
// Seconds since 1970-01-01 00:00:00 of a clock reading.
long long EpochSeconds(const DateTime& t);
DateTime AddMilliseconds(const DateTime& t, long long ms, long long* subMs = nullptr);

}  // namespace varnel
