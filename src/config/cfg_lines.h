// CfgLines: the 20 configuration values, slots 1 to 20, all empty at program start.
// A plain value type, so the state of the windows holds it without the reader.
#pragma once
#include <array>
#include <string>

namespace varnel {

struct CfgLines {
    std::array<std::string, 21> slot{};  // slot 0 unused
    std::string& operator[](int n) { return slot.at(static_cast<size_t>(n)); }
    const std::string& operator[](int n) const { return slot.at(static_cast<size_t>(n)); }
};

}  // namespace varnel
