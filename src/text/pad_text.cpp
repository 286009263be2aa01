#include "text/pad_text.h"

#include "platform/strings.h"

namespace varnel {

void PadText(std::string& text, int width, std::string_view side, std::string_view fill) {
    int n = width - static_cast<int>(text.size());
    if (n <= 0) return;
    std::string s = UCase(side);
    std::string f(fill);
    if (UCase(f) == "S") f = "S";
    char ch = 0;
    if (s == "L" || s.empty()) {
        if (f == "0") ch = '0';
        else if (f == "S") ch = ' ';
        if (ch) text.insert(0, static_cast<size_t>(n), ch);
    } else if (s == "R") {
        if (f == "0") ch = '0';
        else if (f == "S" || f.empty() || f == " ") ch = ' ';
        if (ch) text.append(static_cast<size_t>(n), ch);
    }
}

}  // namespace varnel
