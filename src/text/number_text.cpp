#include "text/number_text.h"

#include <cstdio>

namespace varnel {

std::string NumText(double v) {
    char b[64];
    std::snprintf(b, sizeof b, "%.15g", v);
    return b;
}

}  // namespace varnel
