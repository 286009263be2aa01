// Conversion of latitude and longitude to the Ormanti grid's line and station.
// Pure arithmetic; the results depend on the three values of pi in use.
#pragma once
#include <string>

namespace varnel {

double DegToRad(double degrees);      // degrees * 0.0174532925199433
double MercatorLat(double latitude);  // meridional part in degrees of longitude

struct LineSta {
    std::string line;
    std::string station;
};

// lat north positive, lon east positive (west negative), single precision.
// The texts are formatted "##0.0". A latitude of exactly 0 gives "0.0" for both.
LineSta CalcLineSta(float lat, float lon);

struct LatLon {
    double lat = 0, lon = 0;  // north and east positive
};
// The position of a line and station of the grid: the inverse of CalcLineSta, for
// drawing the grid on a chart.
LatLon PositionOf(double line, double station);

}  // namespace varnel
