#include "text/pad_text.h"

#include "platform/strings.h"

namespace varnel {

void PadText(std::string& text, int width, std::string_view side, std::string_view fill) {
    int n = width - static_cast<int>(text.size());
    if (n <= 0) return;
    const std::string s = UCase(side);
    const bool zeros = fill == "0";
    const bool blanks = fill == "S" || fill == "s";
    char ch = 0;
    if (s == "L" || s.empty()) {
        ch = zeros ? '0' : (blanks ? ' ' : 0);
        if (ch) text.insert(0, static_cast<size_t>(n), ch);
    } else if (s == "R") {
        ch = zeros ? '0' : ((blanks || fill.empty() || fill == " ") ? ' ' : 0);
        if (ch) text.append(static_cast<size_t>(n), ch);
    }
}

}  // namespace varnel
