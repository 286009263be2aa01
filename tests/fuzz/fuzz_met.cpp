// The MET record reader on any bytes.
#include <array>
#include <string>

#include "nav/met_file.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::array<std::string, 201> items{};
    int la = 0, lo = 0;
    try {
        varnel::ParseMetItems(std::string(reinterpret_cast<const char*>(data), size), items, la, lo);
    } catch (const varnel::MetError&) {
    }
    return 0;
}
