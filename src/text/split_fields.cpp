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

}  // namespace varnel
