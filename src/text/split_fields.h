// The comma splitter used for every log line and navigation record.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Walks the text: a "," ends the current field, which is stored at the next position
// of the list (from element 0). Stops when `count` fields are stored (0: no limit).
// Text after the last comma is never stored; quotes are not special; elements beyond
// the stored fields keep what they held. Storing beyond the end of the list throws
// std::out_of_range, which the caller's error handling receives.
void SplitFields(std::string_view text, std::vector<std::string>& list, int count);

// The first `count` comma-separated fields of a record line, as views into it (the
// text after the last comma is a field too), into `fields` (cleared first, so a reader
// of many lines reuses one list).
void LeadingFields(std::string_view line, size_t count, std::vector<std::string_view>& fields);

}  // namespace varnel
