#include "grid/grid_conversion.h"

#include <cmath>

#include "platform/numbers.h"

namespace varnel {

double DegToRad(double degrees) {
    return degrees * 0.0174532925199433;
}

double MercatorLat(double latitude) {
    double s = std::sin(DegToRad(latitude));
    double a = latitude / 2.0 + 45.0;
    double m = std::log(std::tan(DegToRad(a))) * 180.0 / 3.14159265;
    return m - s * 0.387815;
}

LineSta CalcLineSta(float latF, float lonF) {
    double lat = static_cast<double>(latF);
    double lon = static_cast<double>(lonF);
    double line = 0.0, station = 0.0;
    if (lat != 0.0) {
        const double refLat = 34.15, refLon = 121.15, refLine = 80.0, refSta = 60.0, angle = 30.0;
        const double lineFactor = -0.2;
        const double staFactor = 1.0 / 15.0;
        double x = -lon;
        double m0 = MercatorLat(refLat);
        double t = (MercatorLat(lat) - m0) * std::tan(DegToRad(angle));
        double d = x - refLon - t;
        double y = (t / std::sin(DegToRad(angle)) + d * std::sin(DegToRad(angle))) * std::cos(DegToRad(angle)) + m0;
        // Inverse meridional part: a fixed five passes starting from Y itself.
        const double pi = 4.0 * std::atan(1.0);
        double yr = y * pi / 180.0;
        double phi = y;
        for (int i = 0; i < 5; ++i)
            phi = 2.0 * (std::atan(std::exp(0.0067686 * std::sin(DegToRad(phi)) + yr)) * 180.0 / pi - 45.0);
        line = (phi - refLat) / std::cos(DegToRad(angle)) / lineFactor + refLine;
        station = (phi - lat) / std::sin(DegToRad(angle)) / staFactor + refSta;
    }
    return {FormatNumber(line, "##0.0"), FormatNumber(station, "##0.0")};
}

LatLon PositionOf(double line, double station) {
    const double refLat = 34.15, refLon = 121.15, refLine = 80.0, refSta = 60.0, angle = 30.0;
    const double sinA = std::sin(DegToRad(angle)), cosA = std::cos(DegToRad(angle));
    double phi = refLat + (line - refLine) * -0.2 * cosA;
    double lat = phi - (station - refSta) / 15.0 * sinA;
    double m0 = MercatorLat(refLat);
    double t = (MercatorLat(lat) - m0) * std::tan(DegToRad(angle));
    double d = ((MercatorLat(phi) - m0) / cosA - t / sinA) / sinA;
    return {lat, -(d + refLon + t)};
}

}  // namespace varnel
