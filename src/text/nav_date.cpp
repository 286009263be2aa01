#include "text/nav_date.h"

#include "platform/strings.h"

namespace varnel {

std::string ConvertNavDate(std::string_view compact) {
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string dd = Left(compact, 2);
    std::string mm = Mid(compact, 3, 2);
    bool shortForm = compact.size() < 7;
    std::string yy = Right(compact, shortForm ? 2 : 4);
    std::string month;
    if (mm.size() == 2 && mm[0] >= '0' && mm[0] <= '1' && mm[1] >= '0' && mm[1] <= '9') {
        int m = (mm[0] - '0') * 10 + (mm[1] - '0');
        if (m >= 1 && m <= 12) month = months[m - 1];
    }
    return shortForm ? dd + "-" + month + "-20" + yy : dd + "-" + month + "-" + yy;
}

}  // namespace varnel
