// A number as the logger shows and writes it when it is not a whole 16-bit counter.
#pragma once
#include <string>

namespace varnel {

// Trimmed, up to 15 significant digits ("4", "-1", "2.5", "1e+16").
std::string NumText(double v);

// The six-decimal form ("00.000000") of a position shown with five decimals: `precise`
// when it is the shown one to within the rounding of both, else the shown text's own
// (a position typed by hand, or none read yet); so a log never carries another fix
// than the one on screen.
std::string SixDecimalsOfShown(const std::string& precise, const std::string& shown);

}  // namespace varnel
