#include "nav/met_file.h"

#include <vector>

#include "platform/strings.h"

namespace varnel {

void ParseMetItems(std::string_view text, std::array<std::string, 201>& items, int& laPos, int& loPos) {
    std::vector<std::string> found;
    std::string cur;
    bool quoted = false, any = false;
    auto finish = [&] {
        found.push_back(quoted ? cur : Trim(cur));
        cur.clear();
        quoted = false;
        any = false;
        if (found.size() > 201) throw MetError("more than 201 items in the MET data file");
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"' && !any) {
            quoted = true;
            any = true;
            auto close = text.find('"', i + 1);
            cur = std::string(
                text.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1));
            i = close == std::string_view::npos ? text.size() : close;
            continue;
        }
        if (c == ',') {
            finish();
        } else if (c == '\r' || c == '\n') {
            if (any || !cur.empty() || (i > 0 && text[i - 1] == ',')) finish();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            if (!quoted) cur += c;
            any = true;
        }
    }
    if (any || !cur.empty()) finish();
    for (auto& it : items) it.clear();
    for (size_t i = 0; i < found.size(); ++i) {
        items[i] = found[i];
        if (Left(found[i], 2) == "LA") laPos = static_cast<int>(i);
        if (Left(found[i], 2) == "LO") loPos = static_cast<int>(i);
    }
}

}  // namespace varnel
