#include "text/number_text.h"

#include <cmath>
#include <cstdio>

#include "platform/numbers.h"

namespace varnel {

std::string NumText(double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%.15g", v);
    return b;
}

std::string SixDecimalsOfShown(const std::string& precise, const std::string& shown) {
    const double s = Val(shown);
    if (!precise.empty() && std::abs(Val(precise) - s) <= 6e-6) return precise;
    return FormatSingle(static_cast<float>(s), "00.000000");
}

}  // namespace varnel
