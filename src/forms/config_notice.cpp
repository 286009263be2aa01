#include "forms/config_notice.h"

#include "config/configuration.h"
#include "forms/activity_form.h"

namespace varnel {

namespace {

// What the station does with a value of the line that will not work.
std::string Instead(const ActivityForm& f, int line) {
    switch (line) {
        case 3:
            return "the event-number file and the shared logs are looked for there as written";
        case 4:
            return "no position is read from the current-position file; enter it by hand";
        case 8:
            return "no position is read until the file is there; enter it by hand meanwhile";
        case 5:
            return "the event panel stays empty";
        case 6:
            return "the initials box stays empty";
        case 7:
            return "the event-number file is asked about as the station starts";
        case 9:
            return "the position is read every " + std::to_string(f.SamplingInterval) + " ms";
        case 10:
            return "network mode follows the event-number file";
        case 11:
            return "the station reads no position; enter it by hand";
        case 12:
        case 13:
            return "the GPS window cannot open the serial port with it";
        case 16:
            return "the Line.Sta menu keeps its tick";
        case 17:
            return "the grid shows no earlier events";
        case 18:
            return "the comment options stay as designed";
        case 19:
            return "events are numbered by counting";
        default:
            return "words other than MULTI and LONG are ignored";
    }
}

}  // namespace

void PostConfigurationNotice(ActivityForm& f, const std::array<std::string, 21>& lines,
                             const std::array<std::string, 21>& marks) {
    std::string text;
    for (int n = 1; n <= 20; ++n) {
        const auto i = static_cast<size_t>(n);
        if (marks[i].empty()) continue;
        text += "Line " + std::to_string(n) + " " + kCfgLabels[i] + " \"" + lines[i] + "\": " + marks[i] + "; " +
                Instead(f, n) + ".\n";
    }
    f.CfgNotice.visible = !text.empty();
    if (!text.empty()) text.pop_back();  // the last line's break
    f.CfgNotice.caption = text.empty() ? "" : "These configuration values will not work:\n" + text;
}

}  // namespace varnel
