// Snapping a calculated line and station to the standard ones of the grid, and the
// table from a line text to its station list file.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_conversion.h"
#include "platform/files.h"

namespace varnel {

// With useCalculated ("Use calculated Line.Sta" ticked) the calculated values are
// returned unchanged; otherwise the line table (first matching row) and then the
// station table decide. Results are the exact texts of the tables.
LineSta FindStandardSta(const std::string& calcLine, const std::string& calcSta, bool useCalculated);

// "93.3" -> "Line93.txt"; nullopt for a line text with no row.
std::optional<std::string> StationFileFor(std::string_view lineText);

struct GridLine {
    std::string line;                   // "93.3"
    std::vector<std::string> stations;  // "26.7", "28.0" ...
};
// The lines and standard stations a new station starts with (Lines.txt, Line93.txt ...).
const std::vector<GridLine>& StarterGrid();

// Each line of a list file that is not blank after trimming, as read.
std::vector<std::string> ReadListFile(FileSystem& fs, std::string_view path);

// A station's own grid: the lines of `folder`\Lines.txt with the stations of each
// line's list file. A line with no list file, or an empty one, is left out and named
// in `unread`. Throws FileError when Lines.txt cannot be read.
std::vector<GridLine> ReadStationGrid(FileSystem& fs, const std::string& folder, std::vector<std::string>& unread);

}  // namespace varnel
