#include "config/configuration.h"

#include <vector>

#include "platform/strings.h"

namespace varnel {

const std::array<const char*, 21> kCfgLabels = {"",
                                                "Project:",
                                                "Study:",
                                                "Data Directory:",
                                                "Nav Directory:",
                                                "Event File:",
                                                "Personnel Initials:",
                                                "EventNumber File:",
                                                "GPS Current Position:",
                                                "Sampling Rate (ms):",
                                                "Network or Local:",
                                                "GPS Source/Format:",
                                                "Com port:",
                                                "Com port settings:",
                                                "GPS Primary String:",
                                                "GPS 2nd/Date String:",
                                                "Line.Sta Method:",
                                                "Load Previous Events:",
                                                "Comment Options File:",
                                                "Event Number Scheme:",
                                                "Julian format | Events Select:"};

void ReadConfigurationText(std::string_view text, CfgLines& cfg) {
    int slot = 1;
    for (const auto& line : SplitLines(text)) {
        if (slot > 20) break;
        if (!line.empty()) cfg[slot] = Trim(line);
        ++slot;
    }
}

void ReadConfiguration(FileSystem& fs, CfgLines& cfg) {
    ReadConfigurationText(fs.ReadAll(kConfigPath), cfg);
}

void WriteConfiguration(FileSystem& fs, const std::array<std::string, 21>& lines) {
    std::vector<std::string> out(lines.begin() + 1, lines.end());
    fs.ReplaceLines(kConfigPath, out);
}

void WriteConfiguration(FileSystem& fs, const CfgLines& cfg, bool trimEach) {
    std::array<std::string, 21> lines{};
    for (int i = 1; i <= 20; ++i) lines[static_cast<size_t>(i)] = trimEach ? Trim(cfg[i]) : cfg[i];
    WriteConfiguration(fs, lines);
}

CfgLines StarterConfiguration() {
    CfgLines c;
    const char* v[] = {"",
                       "Ormanti",
                       "0000XX",
                       "C:\\VarnelGPS\\Data\\",
                       "C:\\VarnelGPS\\Data\\",
                       "BridgeEvents.txt",
                       "Watch.txt",
                       "EventNumber.txt",
                       "CurrPos.txt",
                       "15000",
                       "LOCAL",
                       "NETWORK",
                       "1",
                       "4800,n,8,1",
                       "$GPGGA",
                       "$GPRMC",
                       "STANDARD",
                       "LASTEVENT",
                       "CommentOpt.txt",
                       "NUMERIC",
                       "SINGLE"};
    for (int i = 1; i <= 20; ++i) c[i] = v[i];
    return c;
}

}  // namespace varnel
