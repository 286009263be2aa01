#include "app/starter_station.h"

#include <utility>
#include <vector>

#include "config/configuration.h"
#include "grid/standard_stations.h"
#include "record/deployments.h"

namespace varnel {

void WriteStarterStation(FileSystem& fs, const std::string& guideFolder) {
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
    // The guide is a convenience: without its copy F1 opens the installed guide.
    const std::string help = home + "help\\";
    try {
        for (const std::string& name : guideFolder.empty() ? std::vector<std::string>{} : fs.ListFiles(guideFolder)) {
            if (fs.Exists(help + name)) continue;
            fs.CreateFolder((help + name).substr(0, (help + name).rfind('\\')));
            fs.ReplaceText(help + name, fs.ReadAll(guideFolder + "\\" + name));
        }
    } catch (const FileError&) {
    }
}

std::string StarterStationNote() {
    return std::string("New station set up in ") + kHomeFolder +
           ": configuration, event lists, Deployments.txt, Data\\EventNumber.txt and the help folder. "
           "Change them with Config - Edit varnel.cfg.";
}

}  // namespace varnel
