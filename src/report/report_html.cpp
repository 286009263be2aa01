#include "report/report_html.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>

#include "grid/grid_conversion.h"
#include "grid/standard_stations.h"
#include "platform/datetime.h"
#include "platform/numbers.h"
#include "record/deployments.h"

namespace varnel {

namespace {

std::string Esc(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Fixed(double v, int decimals = 1) {
    char buf[48];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return std::string(buf, r.ptr);
}

bool OnChart(const LogEvent& e) {
    return e.positionRead && e.lat != 0 && e.lon != 0 && e.lat != -99 && e.lon != -99 && std::abs(e.lat) <= 90 &&
           std::abs(e.lon) <= 180;
}

// Longitude and latitude onto a 900 x 640 chart: plate carrée scaled by the cosine of
// the middle latitude, the area of the grid and of every charted event with a margin.
struct Chart {
    double west = 0, east = 0, south = 0, north = 0, scale = 1, k = 1;
    static constexpr double kW = 900, kH = 640;
    void Fit(const std::vector<LatLon>& points) {
        west = south = 1e9;
        east = north = -1e9;
        for (const auto& p : points) {
            west = std::min(west, p.lon), east = std::max(east, p.lon);
            south = std::min(south, p.lat), north = std::max(north, p.lat);
        }
        double pad = std::max({east - west, north - south, 0.2}) * 0.05;
        west -= pad, east += pad, south -= pad, north += pad;
        k = std::cos((south + north) / 2 * 3.14159265358979 / 180);
        scale = std::min(kW / ((east - west) * k), kH / (north - south));
    }
    double X(double lon) const { return (lon - west) * k * scale; }
    double Y(double lat) const { return (north - lat) * scale; }
    std::string At(const LatLon& p) const { return Fixed(X(p.lon)) + "," + Fixed(Y(p.lat)); }
};

std::string Clock(std::optional<long long> s, const LogEvent* e = nullptr) {
    if (!s) return e ? Esc(e->date + " " + e->time) : "?";
    DateTime epoch;
    epoch.year = 1970, epoch.month = 1, epoch.day = 1;
    const DateTime t = AddMilliseconds(epoch, *s * 1000);
    char buf[96];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
    return buf;
}

void List(std::string& h, const char* title, const std::vector<std::string>& items) {
    h += "<h3>" + std::string(title) + ": " + std::to_string(items.size()) + "</h3>\r\n";
    if (items.empty()) return;
    h += "<ul>";
    for (size_t i = 0; i < items.size() && i < 500; ++i) h += "<li>" + Esc(items[i]) + "</li>";
    if (items.size() > 500) h += "<li>... and " + std::to_string(items.size() - 500) + " more</li>";
    h += "</ul>\r\n";
}

}  // namespace

std::string MapSvg(const CruiseRecord& r, const std::vector<GridLine>& grid) {
    std::vector<LatLon> points;
    for (const auto& g : grid)
        for (const auto& s : g.stations) points.push_back(PositionOf(Val(g.line), Val(s)));
    for (const auto* e : r.timeOrder)
        if (OnChart(*e)) points.push_back({e->lat, e->lon});
    Chart c;
    c.Fit(points);
    std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 900 640\" width=\"900\" height=\"640\" "
        "font-family=\"sans-serif\" font-size=\"11\">\r\n<rect width=\"900\" height=\"640\" "
        "fill=\"#eaf2f8\"/>\r\n";
    for (const auto& g : grid) {
        if (g.stations.empty()) continue;
        svg += "<polyline fill=\"none\" stroke=\"#8aa\" points=\"";
        for (const auto& s : g.stations) svg += c.At(PositionOf(Val(g.line), Val(s))) + " ";
        auto first = PositionOf(Val(g.line), Val(g.stations.front()));
        svg += "\"/><text x=\"" + Fixed(c.X(first.lon) + 6) + "\" y=\"" + Fixed(c.Y(first.lat) - 4) +
               "\" fill=\"#577\">" + g.line + "</text>\r\n";
        for (const auto& s : g.stations) {
            auto p = PositionOf(Val(g.line), Val(s));
            svg += "<circle cx=\"" + Fixed(c.X(p.lon)) + "\" cy=\"" + Fixed(c.Y(p.lat)) +
                   "\" r=\"3\" fill=\"#fff\" stroke=\"#577\"><title>" + g.line + " " + s + "</title></circle>\r\n";
        }
    }
    std::string track;
    std::string last;
    for (const auto* e : r.timeOrder) {
        if (!OnChart(*e)) continue;
        std::string at = c.At({e->lat, e->lon});
        if (at != last) track += at + " ";
        last = at;
    }
    if (!track.empty())
        svg += "<polyline fill=\"none\" stroke=\"#1d4e74\" stroke-width=\"1.5\" points=\"" + track + "\"/>\r\n";
    std::map<std::pair<std::string, std::string>, int> occupied;
    for (const auto& o : r.occupations)
        for (const auto& [a, n] : o.activities) occupied[{o.line, o.station}] += n;
    for (const auto& [ls, n] : occupied) {
        auto p = PositionOf(Val(ls.first), Val(ls.second));
        svg += "<circle cx=\"" + Fixed(c.X(p.lon)) + "\" cy=\"" + Fixed(c.Y(p.lat)) +
               "\" r=\"5\" fill=\"#c0392b\" stroke=\"#fff\"><title>" + Esc(ls.first + " " + ls.second) + ": " +
               std::to_string(n) + " events</title></circle>\r\n";
    }
    svg += "<text x=\"10\" y=\"630\" fill=\"#333\">" + Fixed(c.south, 2) + " to " + Fixed(c.north, 2) + " N, " +
           Fixed(c.west, 2) + " to " + Fixed(c.east, 2) +
           " E. Grey: grid lines and standard stations; red: occupied stations; blue: the ship's track.</text>\r\n";
    return svg + "</svg>\r\n";
}

std::string ReportHtml(const CruiseRecord& r, const std::vector<GridLine>& grid) {
    const auto& log = r.log;
    std::string h = "<!DOCTYPE html>\r\n<html><head><meta charset=\"windows-1252\"><title>" + Esc(log.cruise) +
                    " cruise report</title>\r\n<style>body{font-family:sans-serif;margin:1em 2em}table{border-"
                    "collapse:collapse}td,th{border:1px solid #bbb;padding:2px 6px;text-align:left}h2{color:#1d4e74}"
                    "</style></head><body>\r\n";
    h += "<h1>" + Esc(log.cruise) + " cruise report</h1>\r\n<p>" + std::to_string(log.events.size()) + " events in " +
         Esc(log.name);
    if (!r.timeOrder.empty())
        h += ", from " + Clock(r.timeOrder.front()->utcS, r.timeOrder.front()) + " to " +
             Clock(r.timeOrder.back()->utcS, r.timeOrder.back()) + " UTC";
    h += ".</p>\r\n<h2>Map</h2>\r\n" + MapSvg(r, grid);

    h += "<h2>Station occupations</h2>\r\n<table><tr><th>Line</th><th>Station</th><th>Arrival (UTC)</th><th>Departure "
         "(UTC)</th><th>Duration</th><th>Events</th><th>Numbers</th></tr>\r\n";
    for (const auto& o : r.occupations) {
        std::string acts;
        for (const auto& [a, n] : o.activities) acts += (acts.empty() ? "" : ", ") + Esc(a) + " " + std::to_string(n);
        h += "<tr><td>" + Esc(o.line) + "</td><td>" + Esc(o.station) + "</td><td>" + Clock(o.arriveS) + "</td><td>" +
             Clock(o.departS) + "</td><td>" +
             (o.arriveS && o.departS ? DurationText(*o.departS - *o.arriveS) : std::string("?")) + "</td><td>" + acts +
             "</td><td>" + Esc(o.firstNumber) + (o.lastNumber != o.firstNumber ? "-" + Esc(o.lastNumber) : "") +
             "</td></tr>\r\n";
    }
    h += "</table>\r\n<h2>Events per activity</h2>\r\n<table>";
    for (const auto& [a, n] : r.perActivity) h += "<tr><td>" + Esc(a) + "</td><td>" + std::to_string(n) + "</td></tr>";
    h += "</table>\r\n<h2>Events per station role</h2>\r\n";
    if (r.perRole.empty())
        h += "<p>No role log was given (for example 0701JDBridge.csv).</p>\r\n";
    else {
        h += "<table>";
        for (const auto& [role, n] : r.perRole)
            h += "<tr><td>" + Esc(role) + "</td><td>" + std::to_string(n) + "</td></tr>";
        h += "</table>\r\n";
    }
    const auto& x = r.health;
    h += "<h2>Health of the record</h2>\r\n";
    List(h, "Numbers drawn twice", x.doubles);
    List(h, "Events erased with Clear Last", x.erased);
    List(h, "Numbers missing from the run", x.missing);
    List(h, "Times going backwards", x.backwards);
    List(h, "Positions of -99 or 0", x.badPositions);
    List(h, "Lines with the wrong number of fields", x.wrongFields);
    List(h, "Events of a role log missing from the cruise log", x.onlyInRoleLogs);
    if (!x.withoutFix.empty()) List(h, "Events recorded without a current fix", x.withoutFix);
    std::vector<std::string> unread = log.unread;
    for (const auto& role : r.roleLogs) unread.insert(unread.end(), role.unread.begin(), role.unread.end());
    List(h, "Lines that could not be read", unread);
    return h + "</body></html>\r\n";
}

}  // namespace varnel
