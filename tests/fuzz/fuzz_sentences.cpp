// The sentence parser and the sentence helpers on any bytes.
#include <string>

#include "nav/gps_file.h"
#include "nav/nmea_sentence.h"
#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    auto lines = varnel::SplitLines(text);
    std::string status;
    for (const char* primary : {"$GPGGA", "$GNRMC", "$GPWPL", "GGA"})
        for (const char* second : {"$GPZDA", "$GNRMC", ""}) (void)varnel::ParseGpsLines(lines, primary, second, status);
    for (auto& l : lines) {
        (void)varnel::BadChecksum(l);
        (void)varnel::Talker(l);
        (void)varnel::FindSentence(l, "$GPGGA", l.size() / 2);
    }
    return 0;
}
