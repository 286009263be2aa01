// The MET data file: comma-separated items (a line break also ends an item;
// double-quoted items may hold commas), at most 201 items numbered from 0.
#pragma once
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace varnel {

struct MetError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Fills items 0..200 (the rest blanked) and notes the position of the last item
// starting "LA" and "LO" (laPos/loPos keep their values when there is none).
// Throws MetError for more than 201 items.
void ParseMetItems(std::string_view text, std::array<std::string, 201>& items, int& laPos, int& loPos);

}  // namespace varnel
