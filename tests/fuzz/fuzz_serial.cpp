// Bytes on the serial line: the line splitter, the display, the receiver summary and the
// sentence writer that rewrites the current-position file.
#include <string>

#include "fuzz_station.h"
#include "nav/comm_check.h"
#include "nav/receiver_status.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static varnel::fuzz::Station s;
    auto& c = s.w->frmCommCheck;
    c.buffer.assign(reinterpret_cast<const char*>(data), size);
    c.txtDisplay.text.clear();
    varnel::ParseInput(*s.w);
    (void)varnel::ReceiverSummary(c, s.host->ElapsedMs());
    return 0;
}
