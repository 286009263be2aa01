// The configuration reader and the configuration check on any bytes.
#include <string>

#include "config/config_check.h"
#include "config/configuration.h"
#include "fuzz_station.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static varnel::fuzz::Station s;
    varnel::CfgLines cfg;
    varnel::ReadConfigurationText(std::string(reinterpret_cast<const char*>(data), size), cfg);
    (void)varnel::CheckConfiguration(cfg.slot, s.w->files());
    return 0;
}
