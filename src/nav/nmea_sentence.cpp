#include "nav/nmea_sentence.h"

#include <cctype>

namespace varnel {

namespace {

bool IsTalker(std::string_view t) {
    for (const char* k : {"GP", "GN", "GL", "GA", "GB", "BD", "GQ"})
        if (t == k) return true;
    return false;
}

bool IsTypeLetters(std::string_view t) {
    if (t.size() != 3) return false;
    for (char c : t)
        if (!std::isupper(static_cast<unsigned char>(c))) return false;
    return true;
}

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// "GGA" for "$GPGGA" or "$GNGGA"; empty when the identifier names no sentence type.
std::string_view TypeOf(std::string_view id) {
    if (id.size() != 6 || id[0] != '$' || !IsTalker(id.substr(1, 2)) || !IsTypeLetters(id.substr(3))) return {};
    return id.substr(3);
}

SentenceKind KindOfType(std::string_view type) {
    if (type == "GGA") return SentenceKind::Gga;
    if (type == "RMC") return SentenceKind::Rmc;
    if (type == "ZDA") return SentenceKind::Zda;
    if (type == "WPL") return SentenceKind::Wpl;
    return SentenceKind::Other;
}

}  // namespace

SentenceKind KindOf(std::string_view id) {
    return KindOfType(TypeOf(id));
}

SentenceKind KindAt(std::string_view text) {
    size_t p = text.find('$');
    if (p == std::string_view::npos || p + 6 > text.size() || !IsTalker(text.substr(p + 1, 2)))
        return SentenceKind::Other;
    return KindOfType(text.substr(p + 3, 3));
}

size_t FindSentence(std::string_view text, std::string_view id, size_t from) {
    const std::string_view type = TypeOf(id);
    if (type.empty()) return from <= text.size() ? text.find(id, from) : std::string_view::npos;
    for (size_t p = text.find('$', from); p != std::string_view::npos; p = text.find('$', p + 1))
        if (p + 6 <= text.size() && IsTalker(text.substr(p + 1, 2)) && text.substr(p + 3, 3) == type) return p;
    return std::string_view::npos;
}

bool BadChecksum(std::string_view s) {
    auto dollar = s.find('$');
    if (dollar == std::string_view::npos) return false;
    auto star = s.find('*', dollar);
    if (star == std::string_view::npos || star + 3 > s.size()) return false;
    int hi = Hex(s[star + 1]), lo = Hex(s[star + 2]);
    if (hi < 0 || lo < 0) return false;  // no checksum after all
    unsigned sum = 0;
    for (size_t i = dollar + 1; i < star; ++i) sum ^= static_cast<unsigned char>(s[i]);
    return sum != static_cast<unsigned>(hi * 16 + lo);
}

std::string Talker(std::string_view s) {
    auto p = s.find('$');
    if (p == std::string_view::npos || p + 3 > s.size()) return "";
    return std::string(s.substr(p + 1, 2));
}

}  // namespace varnel
