// Number reading and writing as the logger does it everywhere: the leading-number
// rule, whole numbers rounded half to even, 16-bit counters, and the fixed format
// patterns of the event files.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace varnel {

// A whole number that does not fit where the program holds a 16-bit integer.
struct OverflowError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Leading-number rule: leading blanks skipped, an optional sign, digits with an
// optional decimal part, up to the first character that cannot continue a number.
// 0 when there is no number.
double Val(std::string_view text);

// The whole text as a whole number ("07" -> 7), for date and time parts and settings
// that must be nothing else; -1 when it is not one.
int WholeDigits(std::string_view text);

// Round to the nearest whole number, halves to even (26.5 -> 26, 27.5 -> 28).
double RoundHalfEven(double value);

// Round half to even and check the 16-bit range; throws OverflowError outside it.
int16_t ToInt16(double value);

// Whole number as trimmed decimal text ("42", "-3").
std::string IntText(long long value);

// Format with one of the patterns "00.000000", "00.00000", "#000.00000",
// "000.00000", "##0.0": '0' before the point is a required digit, '#' an optional
// one; the count after the point is the number of decimals; rounding is half away
// from zero on the decimal value.
std::string FormatNumber(double value, std::string_view pattern);

// The same for a single-precision value: it is formatted from its shortest decimal
// form of 7 significant digits, so 32 + 54/60 in single precision gives 32.900000.
std::string FormatSingle(float value, std::string_view pattern);

}  // namespace varnel
