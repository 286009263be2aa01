// NMEA 0183 sentences of a simulated position: GGA, RMC and ZDA with checksums.
#pragma once
#include <ctime>
#include <string>

namespace varnel::sim {

// "$GPGGA,...*hh\r\n$GPRMC,...*hh\r\n$GPZDA,...*hh\r\n" for the UTC time and position.
std::string Sentences(const std::tm& utc, double lat, double lon, double knots, double course);
// The checksum-completed sentence for a body without "$" and "*hh".
std::string Sentence(const std::string& body);

}  // namespace varnel::sim
