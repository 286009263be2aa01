// Pads a text in place to a width with zeros or blanks, on the left or the right.
#pragma once
#include <string>
#include <string_view>

namespace varnel {

// side "L" (or empty) pads in front, "R" behind (compared in upper case); fill "0"
// gives zeros, "S" blanks (on the right an empty fill or a blank gives blanks too).
// Any other side or fill, or a text already as wide, leaves the text unchanged.
void PadText(std::string& text, int width, std::string_view side, std::string_view fill);

}  // namespace varnel
