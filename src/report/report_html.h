// The cruise report: one self-contained HTML file (Windows-1252, as the logs are) with
// a map drawn as SVG, the station occupations, the counts and the record's health.
#pragma once
#include <string>

#include "report/cruise_record.h"

namespace varnel {

std::string MapSvg(const CruiseRecord& r);
std::string ReportHtml(const CruiseRecord& r);

}  // namespace varnel
