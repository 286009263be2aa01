#include "app/starter_station.h"

#include <utility>
#include <vector>

#include "config/configuration.h"
#include "events/deployments.h"

namespace varnel {

void WriteStarterStation(FileSystem& fs) {
    const CfgLines starter = StarterConfiguration();
    const std::string home = kHomeFolder;
    const std::vector<std::pair<std::string, std::vector<std::string>>> files = {
        {home + starter[5],
         {"STATION ARRIVAL", "CTD DEPLOYED", "CTD AT DEPTH", "CTD RECOVERED", "NET DEPLOYED", "NET RECOVERED",
          "STATION DEPARTURE"}},
        {home + starter[6], {"XX"}},
        {home + starter[18],
         {"Station Type", "Standard", "Prodo", "SCCOOS", "Sea Conditions", "Calm", "Moderate", "Rough", "Day/Night",
          "Day", "Night"}},
        {home + "Lines.txt", {"93.3", "90.0", "86.7", "83.3", "80.0", "76.7"}},
        {home + "Line93.txt", {"26.7", "28.0", "30.0", "35.0", "40.0", "45.0", "50.0", "55.0", "60.0"}},
        {home + "Line90.txt", {"27.7", "28.0", "30.0", "35.0", "37.0", "45.0", "53.0", "60.0"}},
        {home + "Line87.txt", {"33.0", "35.0", "40.0", "45.0", "50.0", "55.0", "60.0"}},
        {home + "Line83.txt", {"40.6", "42.0", "51.0", "55.0", "60.0"}},
        {home + "Line80.txt", {"51.0", "55.0", "60.0", "70.0", "80.0"}},
        {home + "Line77.txt", {"49.0", "51.0", "55.0", "60.0", "70.0"}},
        {starter[3] + starter[7], {"1"}},
        {home + "Deployments.txt", DefaultDurationLines()},
    };
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
