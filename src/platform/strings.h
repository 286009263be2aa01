// Small text helpers in the program's own terms: trimming blanks, upper case of the
// 8-bit code page, replacing every occurrence, the first or last characters.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

std::string Trim(std::string_view s);   // leading and trailing blanks (spaces)
std::string UCase(std::string_view s);  // ASCII and Windows-1252 letters
std::string ReplaceAll(std::string s, std::string_view from, std::string_view to);
bool Contains(std::string_view s, std::string_view part);
std::string Left(std::string_view s, size_t n);
std::string Right(std::string_view s, size_t n);
// Characters from 1-based position start, at most n of them (to the end when n is npos).
std::string Mid(std::string_view s, size_t start, size_t n = std::string::npos);
// Every field between commas, the text after the last one included ("4800,n,8,1").
std::vector<std::string> SplitAtCommas(std::string_view s);

}  // namespace varnel
