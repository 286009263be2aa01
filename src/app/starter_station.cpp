#include "app/starter_station.h"

#include <utility>
#include <vector>

#include "config/configuration.h"
#include "events/deployments.h"
#include "grid/standard_stations.h"

namespace varnel {

void WriteStarterStation(FileSystem& fs) {
    const CfgLines starter = StarterConfiguration();
    const std::string home = kHomeFolder;
    std::vector<std::pair<std::string, std::vector<std::string>>> files = {
        {home + starter[5],
         {"STATION ARRIVAL", "CTD DEPLOYED", "CTD AT DEPTH", "CTD RECOVERED", "NET DEPLOYED", "NET RECOVERED",
          "STATION DEPARTURE"}},
        {home + starter[6], {"XX"}},
        {home + starter[18],
         {"Station Type", "Standard", "Prodo", "SCCOOS", "Sea Conditions", "Calm", "Moderate", "Rough", "Day/Night",
          "Day", "Night"}},
        {starter[3] + starter[7], {"1"}},
        {home + "Deployments.txt", DefaultDurationLines()},
    };
    std::vector<std::string> gridLines;
    for (const auto& g : StarterGrid()) {
        gridLines.push_back(g.line);
        files.push_back({home + StationFileFor(g.line).value_or(""), g.stations});
    }
    files.push_back({home + "Lines.txt", gridLines});
    fs.CreateFolder(kHomeFolder);
    fs.CreateFolder(starter[3]);
    WriteConfiguration(fs, starter, false);
    for (const auto& [path, lines] : files)
        if (!fs.Exists(path)) fs.ReplaceLines(path, lines);
}

std::string StarterStationNote() {
    return std::string("New station set up in ") + kHomeFolder +
           ": configuration, event lists, Deployments.txt and Data\\EventNumber.txt. Change them with Config - Edit "
           "varnel.cfg.";
}

}  // namespace varnel
