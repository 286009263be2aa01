#include "nav/nmea_fix.h"

#include <algorithm>
#include <cstdlib>

#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/nav_date.h"

namespace varnel {

namespace {

// Two characters read as a whole number as far as they are one ("07" 7, "7." 7, "ab" 0).
long long Pair(std::string_view t, size_t at) {
    const char two[] = {t[at], t[at + 1], '\0'};
    return std::atoi(two);
}

// The degrees are the first n characters, the minutes the rest (the whole field when it
// is shorter than n).
void SplitDegrees(std::string_view field, size_t n, std::string& deg, std::string& min) {
    deg = Left(field, n);
    min = field.size() < n ? field : field.substr(n);
}

}  // namespace

void SentenceFields::Overlay(const SentenceFields& later) {
    std::copy_n(later.at.begin(), std::min(later.count, kKept), at.begin());
    count = std::max(count, later.count);
}

SentenceFields SplitSentence(std::string_view s, LastField last) {
    SentenceFields out;
    auto add = [&out](std::string_view field) {
        if (out.count < SentenceFields::kKept) out.at[out.count] = field;
        ++out.count;
    };
    size_t start = 0;
    for (size_t comma; (comma = s.find(',', start)) != std::string_view::npos; start = comma + 1)
        add(s.substr(start, comma - start));
    if (last == LastField::Kept) add(s.substr(start));
    return out;
}

std::string DateOf(const SentenceFields& a, SentenceKind kind) {
    if (kind == SentenceKind::Rmc) return ConvertNavDate(a[9]);
    if (kind == SentenceKind::Zda) return ConvertNavDate(std::string(a[2]) + std::string(a[3]) + std::string(a[4]));
    return "";
}

Fix ParseFix(const SentenceFields& a, SentenceKind kind) {
    Fix f;
    f.kind = kind;
    std::string_view lat, lon;
    switch (kind) {
        case SentenceKind::Gga:
            lat = a[2], lon = a[4];
            f.quality = a[6], f.satellites = a[7], f.hdop = a[8];
            break;
        case SentenceKind::Rmc:
            lat = a[3], lon = a[5];
            f.quality = a[2] == "V" ? "0" : "1";
            f.date = DateOf(a, kind);
            break;
        case SentenceKind::Zda:
            f.date = DateOf(a, kind);
            break;
        case SentenceKind::Wpl:  // a waypoint gives a position only: $GPWPL,ddmm.mm,N,dddmm.mm,W,name
            lat = a[1], lon = a[3];
            break;
        case SentenceKind::Other:
            return f;
    }
    if (kind != SentenceKind::Wpl) {
        std::string_view t = a[1];
        f.time = Left(t, 2) + ":" + Mid(t, 3, 2) + ":" + Mid(t, 5, 2);
        if (t.size() >= 6) f.utcSecond = Pair(t, 0) * 3600 + Pair(t, 2) * 60 + Pair(t, 4);
    }
    SplitDegrees(lat, 2, f.latDeg, f.latMin);
    SplitDegrees(lon, 3, f.lonDeg, f.lonMin);
    const float latDeg = static_cast<float>(Val(f.latDeg)), lonDeg = static_cast<float>(Val(f.lonDeg));
    if (latDeg > 0) f.latitude = latDeg + static_cast<float>(Val(f.latMin)) / 60.0f;
    if (!Contains(f.lonDeg, "-") && lonDeg > 0 && f.latitude && *f.latitude != -99.0f)
        f.longitude = -(lonDeg + static_cast<float>(Val(f.lonMin)) / 60.0f);
    return f;
}

Fix ParseFix(std::string_view sentence, SentenceKind kind, LastField last) {
    Fix f = ParseFix(SplitSentence(sentence, last), kind);
    f.talker = Talker(sentence);
    f.checksumWrong = BadChecksum(sentence);
    return f;
}

}  // namespace varnel
