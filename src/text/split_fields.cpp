#include "text/split_fields.h"

#include <stdexcept>

namespace varnel {

void SplitFields(std::string_view text, std::vector<std::string>& list, int count) {
    size_t pos = 0;
    size_t start = 0;
    int stored = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ',') continue;
        if (pos >= list.size()) throw std::out_of_range("Subscript out of range");
        list[pos++] = std::string(text.substr(start, i - start));
        start = i + 1;
        ++stored;
        if (count > 0 && stored == count) return;
    }
}

void LeadingFields(std::string_view line, size_t count, std::vector<std::string_view>& f) {
    f.clear();
    for (size_t at = 0; f.size() < count;) {
        size_t comma = line.find(',', at);
        f.push_back(line.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
        if (comma == std::string_view::npos) break;
        at = comma + 1;
    }
}

}  // namespace varnel
