// The configured navigation source as the tick reads it: the position, with the date
// and time it was taken, and the datagrams of the UDP receiver.
#pragma once
#include "forms/workstation.h"

namespace varnel {

// Reads the position from the configured source (a UDP navigation record, an NMEA
// current-position file or a MET file) into lat and lon, in single precision, and
// shows its date, time, latitude and longitude in the main window. A missing file is
// said in the status bar and leaves lat and lon and the boxes as they were. True when
// a position was put in the boxes. Throws when the source cannot be read or parsed, so
// the caller can retry.
bool ReadPosition(Workstation& w, float& lat, float& lon);
// Takes datagrams from the UDP receiver: navigation records are kept for the tick,
// NMEA sentences go through the sentence writer, anything else is counted.
void PollUdp(Workstation& w);

}  // namespace varnel
