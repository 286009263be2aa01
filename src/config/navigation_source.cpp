#include "config/navigation_source.h"

#include <string>
#include <utility>

#include "platform/strings.h"

namespace varnel {

namespace {

constexpr std::pair<std::string_view, NavSource> kWords[] = {
    {"NETWORK", NavSource::Network}, {"KNORR", NavSource::Knorr}, {"SCS", NavSource::Scs}, {"JORDAN", NavSource::Scs},
    {"MET", NavSource::Met},         {"GPS", NavSource::Gps},     {"UDP", NavSource::Udp}, {"JD", NavSource::None}};

}  // namespace

NavSource ParseNavSource(std::string_view word) {
    const std::string w = UCase(Trim(word));
    for (const auto& [known, source] : kWords)
        if (w == known) return source;
    return NavSource::Unknown;
}

std::string_view NavSourceName(NavSource source) {
    if (source == NavSource::None || source == NavSource::Unknown) return {};
    for (const auto& [known, named] : kWords)
        if (named == source) return known;
    return {};
}

}  // namespace varnel
