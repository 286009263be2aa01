#include "platform/station_services.h"

#include <chrono>
#include <filesystem>

namespace varnel {

long long StationServices::ElapsedMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

long long StationServices::FileAgeMs(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    auto written = fs::last_write_time(Files().Native(path), ec);
    if (ec) return -1;
    return std::chrono::duration_cast<std::chrono::milliseconds>(fs::file_time_type::clock::now() - written).count();
}

}  // namespace varnel
