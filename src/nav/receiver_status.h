// The receiver at a glance for the GPS window: talkers seen, fix quality, satellites in
// use, HDOP, sentences per second, sentences skipped for a wrong checksum, and the time
// since the last sentence. What the operator checks before pressing "Hide GPS".
#pragma once
#include <string>

#include "forms/comm_check_form.h"
#include "platform/station_services.h"

namespace varnel {

// One received sentence (serial line or UDP datagram line) at `nowMs`, the workstation's
// UTC time of day being `utcSeconds` (seconds since midnight).
void NoteSentence(CommCheckForm& c, const std::string& sentence, long long nowMs, long long utcSeconds);
// Seconds since midnight on the workstation's UTC clock.
long long UtcSecondOfDay(StationServices& host);
// The summary line at `nowMs`.
std::string ReceiverSummary(const CommCheckForm& c, long long nowMs);

}  // namespace varnel
