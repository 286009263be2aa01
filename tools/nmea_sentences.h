// NMEA 0183 sentences of a simulated position: GGA, RMC and ZDA with checksums.
#pragma once
#include <ctime>
#include <string>

namespace varnel::sim {

// How the simulated receiver talks: its talker ("GP", or "GN" for a multi-constellation
// receiver) and the GGA fix quality (0: no fix, then RMC reports V).
struct Receiver {
    std::string talker = "GP";
    int fixQuality = 1;
};

// "$GPGGA,...*hh\r\n$GPRMC,...*hh\r\n$GPZDA,...*hh\r\n" for the UTC time and position.
std::string Sentences(const std::tm& utc, double lat, double lon, double knots, double course,
                      const Receiver& receiver = {});
// The checksum-completed sentence for a body without "$" and "*hh".
std::string Sentence(const std::string& body);

}  // namespace varnel::sim
