#include "platform/numbers.h"

#include <charconv>

#include <cmath>
#include <cstdio>
#include <string>

namespace varnel {

double Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

int WholeDigits(std::string_view s) {
    int v = -1;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() ? v : -1;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    return std::nearbyint(value);  // default rounding mode: to nearest, ties to even
}

int16_t ToInt16(double value) {
    double r = RoundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) throw OverflowError("Overflow");
    return static_cast<int16_t>(r);
}

std::string IntText(long long value) {
    return std::to_string(value);
}

namespace {

struct Pattern {
    int minInt = 0;
    int decimals = 0;
};

Pattern ParsePattern(std::string_view pattern) {
    Pattern p;
    auto dot = pattern.find('.');
    std::string_view intPart = pattern.substr(0, dot);
    for (char c : intPart)
        if (c == '0') ++p.minInt;
    if (dot != std::string_view::npos) p.decimals = static_cast<int>(pattern.size() - dot - 1);
    return p;
}

// Formats the decimal digits `digits` (no leading zeros unless the value is 0)
// with the decimal exponent `exp10` (value = 0.d1d2d3... * 10^exp10) to the pattern.
std::string FormatDigits(bool negative, std::string digits, int exp10, const Pattern& p) {
    // Position of the decimal point inside digits: exp10 digits before it.
    // Pad so that we have all integer digits and decimals + 1 digits after the point.
    if (exp10 < 0) {
        digits.insert(0, static_cast<size_t>(-exp10), '0');
        exp10 = 0;
    }
    while (static_cast<int>(digits.size()) < exp10 + p.decimals + 1) digits += '0';
    // Round half away from zero at position exp10 + decimals.
    size_t keep = static_cast<size_t>(exp10 + p.decimals);
    bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == '9') digits[static_cast<size_t>(i--)] = '0';
        if (i >= 0)
            ++digits[static_cast<size_t>(i)];
        else {
            digits.insert(0, "1");
            ++exp10;
        }
    }
    std::string intPart = digits.substr(0, static_cast<size_t>(exp10));
    std::string decPart = digits.substr(static_cast<size_t>(exp10));
    size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "" : intPart.substr(nz);
    while (static_cast<int>(intPart.size()) < p.minInt) intPart.insert(0, "0");
    bool allZero =
        (intPart.find_first_not_of('0') == std::string::npos) && (decPart.find_first_not_of('0') == std::string::npos);
    std::string out = (negative && !allZero) ? "-" : "";
    out += intPart;
    if (p.decimals > 0) out += "." + decPart;
    return out;
}

std::string FormatWithPrecision(double value, std::string_view pattern, int significant) {
    Pattern p = ParsePattern(pattern);
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    bool negative = std::signbit(value);
    double a = std::fabs(value);
    if (a == 0.0) return FormatDigits(false, "0", 1, p);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, a);
    // buf: d.ddddde[+-]XX
    std::string s(buf);
    auto e = s.find('e');
    std::string mant = s.substr(0, e);
    int exp = std::atoi(s.c_str() + e + 1);
    std::string digits;
    for (char c : mant)
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return FormatDigits(negative, digits, exp + 1, p);
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    return FormatWithPrecision(value, pattern, 15);
}

std::string FormatSingle(float value, std::string_view pattern) {
    return FormatWithPrecision(static_cast<double>(value), pattern, 7);
}

}  // namespace varnel
