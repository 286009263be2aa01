// Compact navigation dates (ddmmyy or ddmmyyyy) to the dd-Mon-yyyy text shown and
// logged everywhere.
#pragma once
#include <string>
#include <string_view>

namespace varnel {

// 041206 -> 04-Dec-2006; 04122006 -> 04-Dec-2006; 041306 -> 04--2006 (no month 13).
// Six-digit dates are always in the century 20.
std::string ConvertNavDate(std::string_view compact);

}  // namespace varnel
