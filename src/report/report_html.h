// The cruise report: one self-contained HTML file (Windows-1252, as the logs are) with
// a map drawn as SVG, the station occupations, the counts and the record's health.
#pragma once
#include <string>

#include <vector>

#include "grid/standard_stations.h"
#include "report/cruise_record.h"

namespace varnel {

// The map draws `grid`'s lines and standard stations under the events.
std::string MapSvg(const CruiseRecord& r, const std::vector<GridLine>& grid);
std::string ReportHtml(const CruiseRecord& r, const std::vector<GridLine>& grid = StarterGrid());

}  // namespace varnel
