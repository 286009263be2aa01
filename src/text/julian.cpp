#include "text/julian.h"

#include "platform/datetime.h"
#include "platform/strings.h"
#include "text/pad_text.h"

namespace varnel {

JulianNumber MakeJulianNumber(StationServices& clock, std::string_view timeForm) {
    JulianNumber j;
    DateTime now = clock.Now();
    j.date = now;
    j.day = std::to_string(DayOfYear(now));
    if (j.day.size() < 3) PadText(j.day, 3, "L", "0");
    std::string t = UCase(timeForm) == "LONG" ? LongTime(now) : ShortTime(now);
    j.time = ReplaceAll(t, ":", "");
    return j;
}

}  // namespace varnel
