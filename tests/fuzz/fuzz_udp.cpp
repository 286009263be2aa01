// Datagrams on the UDP navigation port: records, NMEA and garbage, then the tick's read.
#include <string>

#include "fuzz_station.h"
#include "nav/nav_tick.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static varnel::fuzz::Station s;
    std::string all(reinterpret_cast<const char*>(data), size);
    for (size_t at = 0; at <= all.size();) {  // a NUL byte separates datagrams
        size_t end = all.find('\0', at);
        s.host->udpPending.push_back(all.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    varnel::PollUdp(*s.w);
    return 0;
}
