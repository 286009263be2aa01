// A number as the logger shows and writes it when it is not a whole 16-bit counter.
#pragma once
#include <string>

namespace varnel {

// Trimmed, up to 15 significant digits ("4", "-1", "2.5", "1e+16").
std::string NumText(double v);

}  // namespace varnel
