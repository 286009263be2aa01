#include "grid/standard_stations.h"

#include <algorithm>
#include <initializer_list>

#include "platform/numbers.h"
#include "platform/strings.h"

namespace varnel {

namespace {

bool OneOf(const std::string& s, std::initializer_list<const char*> set) {
    return std::any_of(set.begin(), set.end(), [&](const char* v) { return s == v; });
}

std::string SnapStation(const std::string& s, double station, const std::string& i, double stdLineValue,
                        const std::string& current) {
    if (s == "27") return "26.7";
    if (s == "28") return (station < 27.9 && i == "90") ? "27.7" : "28.0";
    if (s == "29") return "28.0";
    if (OneOf(s, {"30", "31"})) return "30.0";
    if (OneOf(s, {"32", "33"})) return "33.0";
    if (OneOf(s, {"34", "35", "36"})) return "35.0";
    if (OneOf(s, {"37", "38"})) return "37.0";
    if (s == "39") return i == "83" ? "39.4" : "40.0";
    if (s == "40") return "40.0";
    if (s == "41") return "40.6";
    if (s == "42") return "42.0";
    if (s == "45") return "45.0";
    if (s == "47") return "46.9";
    if (s == "49") return "49.0";
    if (s == "50") return stdLineValue == 80.0 ? "50.5" : "50.0";
    if (s == "51") return "51.0";
    if (OneOf(s, {"53", "55", "60", "65", "70", "75", "80", "85", "90", "95", "100", "110", "120"})) return s + ".0";
    return current;
}

}  // namespace

LineSta FindStandardSta(const std::string& calcLine, const std::string& calcSta, bool useCalculated) {
    if (useCalculated) return {calcLine, calcSta};
    double station = Val(calcSta);
    std::string i = IntText(static_cast<long long>(RoundHalfEven(Val(calcLine))));
    std::string s = IntText(static_cast<long long>(RoundHalfEven(station)));
    const std::string& l = calcLine;
    std::string line;
    std::optional<std::string> fixed;
    if (OneOf(l, {"93.3", "93.2", "93.1", "93.0"})) {
        line = "93.3";
    } else if (OneOf(l, {"93.4", "93.5", "93.6"})) {
        if (station >= 26.6)
            line = "93.3";
        else {
            line = "93.4";
            fixed = "26.4";
        }
    } else if (OneOf(l, {"90.0", "90.2", "89.9", "90.1", "89.8"})) {
        line = "90.0";
    } else if (OneOf(l, {"91.7", "91.6", "91.8"})) {
        line = "91.7";
        fixed = "26.4";
    } else if (OneOf(l, {"88.5", "88.6", "88.4"})) {
        line = "88.5";
        fixed = "30.1";
    } else if (OneOf(l, {"86.7", "86.6", "86.8", "87.0", "86.5", "86.9"})) {
        if (station >= 32.8)
            line = "86.7";
        else {
            line = "86.8";
            fixed = "32.5";
        }
    } else if (OneOf(l, {"85.4", "85.3", "85.5"})) {
        line = "85.4";
        fixed = "35.8";
    } else if (OneOf(l, {"83.3", "83.2", "83.4", "83.0", "83.1", "83.5"})) {
        line = "83.3";
    } else if (OneOf(l, {"81.7", "81.6", "81.8", "81.9", "82.0"})) {
        if (station <= 44.5) {
            line = "81.7";
            fixed = "43.5";
        } else
            line = "81.8";  // provisional 46.9, replaced by the station table
    } else if (OneOf(l, {"80.0", "80.2", "79.9", "80.1", "79.8"})) {
        line = "80.0";
    } else if (OneOf(l, {"76.7", "77.0", "76.8", "76.9", "76.5", "76.6"})) {
        line = "76.7";
    } else if (OneOf(l, {"73.3", "73.2", "73.4", "73.1", "73.5"})) {
        line = "73.3";
    } else if (OneOf(l, {"70.0", "69.9", "70.1", "69.8", "70.2"})) {
        line = "70.0";
    } else if (OneOf(l, {"66.7", "67.0", "66.8", "66.9", "66.6"})) {
        line = "66.7";
    } else if (OneOf(l, {"63.3", "63.2", "63.1", "63.4"})) {
        line = "63.3";
    } else if (OneOf(l, {"60.0", "60.1", "60.2", "59.9"})) {
        line = "60.0";
    } else {
        line = calcLine;
    }
    if (fixed) return {line, *fixed};
    return {line, SnapStation(s, station, i, Val(line), calcSta)};
}

const std::vector<GridLine>& StarterGrid() {
    static const std::vector<GridLine> grid = {
        {"93.3", {"26.7", "28.0", "30.0", "35.0", "40.0", "45.0", "50.0", "55.0", "60.0"}},
        {"90.0", {"27.7", "28.0", "30.0", "35.0", "37.0", "45.0", "53.0", "60.0"}},
        {"86.7", {"33.0", "35.0", "40.0", "45.0", "50.0", "55.0", "60.0"}},
        {"83.3", {"40.6", "42.0", "51.0", "55.0", "60.0"}},
        {"80.0", {"51.0", "55.0", "60.0", "70.0", "80.0"}},
        {"76.7", {"49.0", "51.0", "55.0", "60.0", "70.0"}}};
    return grid;
}

std::optional<std::string> StationFileFor(std::string_view t) {
    std::string l(t);
    if (OneOf(l, {"93.3", "93"})) return "Line93.txt";
    if (OneOf(l, {"90.0", "90"})) return "Line90.txt";
    if (OneOf(l, {"91.7", "92", "91.8"})) return "Line92.txt";
    if (OneOf(l, {"87", "86.7", "86.8"})) return "Line87.txt";
    if (OneOf(l, {"83.3", "83"})) return "Line83.txt";
    if (OneOf(l, {"80.0", "80"})) return "Line80.txt";
    if (OneOf(l, {"76.7", "77"})) return "Line77.txt";
    if (OneOf(l, {"73.3", "73"})) return "Line73.txt";
    if (OneOf(l, {"70.0", "70"})) return "Line70.txt";
    if (OneOf(l, {"81.8", "82", "81.7"})) return "Line82.txt";
    if (OneOf(l, {"85", "85.4"})) return "Line85.txt";
    if (OneOf(l, {"88.5", "88"})) return "Line88.txt";
    if (OneOf(l, {"66.7", "67"})) return "Line67.txt";
    return std::nullopt;
}

std::vector<std::string> ReadListFile(FileSystem& fs, std::string_view path) {
    std::vector<std::string> out;
    for (auto& line : fs.ReadLines(path))
        if (!Trim(line).empty()) out.push_back(line);
    return out;
}

std::vector<GridLine> ReadStationGrid(FileSystem& fs, const std::string& folder, std::vector<std::string>& unread) {
    std::vector<GridLine> grid;
    for (const auto& line : ReadListFile(fs, folder + "\\Lines.txt")) {
        GridLine g{std::string(Trim(line)), {}};
        const auto file = StationFileFor(g.line);
        try {
            if (file)
                for (const auto& s : ReadListFile(fs, folder + "\\" + *file)) g.stations.emplace_back(Trim(s));
        } catch (const FileError& e) {
            unread.push_back(e.what());
            continue;
        }
        if (g.stations.empty()) {
            unread.push_back("line " + g.line + ": " + (file ? *file + " lists no stations" : "no station list file"));
            continue;
        }
        grid.push_back(std::move(g));
    }
    return grid;
}

}  // namespace varnel
