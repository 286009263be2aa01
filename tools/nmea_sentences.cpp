#include "nmea_sentences.h"

#include <cmath>
#include <cstdio>

namespace varnel::sim {

std::string Sentence(const std::string& body) {
    unsigned char sum = 0;
    for (char c : body) sum ^= static_cast<unsigned char>(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return "$" + body + tail;
}

namespace {
std::string Angle(double v, int degDigits) {
    double a = std::fabs(v);
    int deg = static_cast<int>(a);
    double min = (a - deg) * 60.0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*d%07.4f", degDigits, deg, min);
    return buf;
}
}  // namespace

std::string Sentences(const std::tm& t, double lat, double lon, double knots, double course, const Receiver& r) {
    char time[48], date[48], buf[512];
    std::snprintf(time, sizeof time, "%02d%02d%02d.00", t.tm_hour, t.tm_min, t.tm_sec);
    std::snprintf(date, sizeof date, "%02d%02d%02d", t.tm_mday, t.tm_mon + 1, t.tm_year % 100);
    std::string la = Angle(lat, 2), lo = Angle(lon, 3);
    const char* ns = lat >= 0 ? "N" : "S";
    const char* ew = lon >= 0 ? "E" : "W";
    std::string out;
    const char* tk = r.talker.c_str();
    std::snprintf(buf, sizeof buf, "%sGGA,%s,%s,%s,%s,%s,%d,09,0.9,12.0,M,-35.0,M,,", tk, time, la.c_str(), ns,
                  lo.c_str(), ew, r.fixQuality);
    out += Sentence(buf);
    std::snprintf(buf, sizeof buf, "%sRMC,%s,%s,%s,%s,%s,%s,%.1f,%.1f,%s,,,A", tk, time, r.fixQuality ? "A" : "V",
                  la.c_str(), ns, lo.c_str(), ew, knots, course, date);
    out += Sentence(buf);
    std::snprintf(buf, sizeof buf, "%sZDA,%s,%02d,%02d,%04d,00,00", tk, time, t.tm_mday, t.tm_mon + 1,
                  t.tm_year + 1900);
    out += Sentence(buf);
    return out;
}

}  // namespace varnel::sim
