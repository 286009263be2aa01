#include "platform/strings.h"

namespace varnel {

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return std::string(s.substr(b, e - b));
}

std::string UCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        auto u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z')
            c = static_cast<char>(u - 32);
        else if ((u >= 0xE0 && u <= 0xFE && u != 0xF7))
            c = static_cast<char>(u - 32);  // Windows-1252 accented small letters
        else if (u == 0x9A || u == 0x9C || u == 0x9E)
            c = static_cast<char>(u - 16);  // š œ ž
        else if (u == 0xFF)
            c = static_cast<char>(0x9F);  // ÿ
    }
    return out;
}

std::string ReplaceAll(std::string s, std::string_view from, std::string_view to) {
    if (from.empty()) return s;
    size_t pos = 0;
    while ((pos = s.find(from, pos)) != std::string::npos) {
        s.replace(pos, from.size(), to);
        pos += to.size();
    }
    return s;
}

bool Contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

std::string Left(std::string_view s, size_t n) {
    return std::string(s.substr(0, n));
}

std::string Right(std::string_view s, size_t n) {
    return n >= s.size() ? std::string(s) : std::string(s.substr(s.size() - n));
}

std::string Mid(std::string_view s, size_t start, size_t n) {
    if (start == 0 || start > s.size()) return "";
    return std::string(s.substr(start - 1, n));
}

std::vector<std::string> SplitAtCommas(std::string_view s) {
    std::vector<std::string> out(1);
    for (char c : s) {
        if (c == ',')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

}  // namespace varnel
