#include "config/config_check.h"

#include <cctype>
#include <initializer_list>

#include "config/configuration.h"
#include "config/navigation_source.h"
#include "platform/numbers.h"
#include "platform/strings.h"

namespace varnel {

namespace {

bool WholeNumber(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

bool OneOf(const std::string& s, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (s == w) return true;
    return false;
}

std::string FolderProblem(const std::string& folder, FileSystem& fs) {
    if (folder.empty() || folder.back() != '\\') return "a folder must end with \"\\\"";
    if (!fs.FolderExists(folder)) return "there is no folder " + folder;
    return "";
}

std::string FileProblem(const std::string& folder, const std::string& name, FileSystem& fs) {
    if (Trim(name).empty()) return "no file is named";
    if (!folder.empty() && folder.back() == '\\' && fs.FolderExists(folder) && !fs.Exists(folder + name))
        return "there is no " + name + " in " + folder;
    return "";
}

}  // namespace

CfgProblems CheckConfiguration(const std::array<std::string, 21>& c, FileSystem& fs) {
    CfgProblems p{};
    p[3] = FolderProblem(c[3], fs);
    p[4] = FolderProblem(c[4], fs);
    p[5] = FileProblem(kHomeFolder, c[5], fs);
    p[6] = FileProblem(kHomeFolder, c[6], fs);
    p[7] = FileProblem(c[3], c[7], fs);
    const NavSource source = ParseNavSource(c[11]);
    if (source != NavSource::Gps && source != NavSource::Udp) p[8] = FileProblem(c[4], c[8], fs);
    if (!WholeNumber(Trim(c[9])) || Val(c[9]) <= 0) p[9] = "the sampling rate must be a number of milliseconds";
    if (!OneOf(c[10], {"LOCAL", "NETWORK"})) p[10] = "LOCAL or NETWORK";
    if (source == NavSource::Unknown) p[11] = "an unknown navigation source";
    if (source == NavSource::None) p[11] = "JD selects no navigation source";
    if (!Trim(c[12]).empty() && !WholeNumber(Trim(c[12]))) p[12] = "a port is a number";
    auto settings = SplitAtCommas(c[13]);
    if (settings.size() > 4 || !WholeNumber(Trim(settings[0])) || Val(settings[0]) <= 0)
        p[13] = "the serial settings start with a baud rate, such as 4800,n,8,1";
    if (!OneOf(c[16], {"STANDARD", "CALCULATE", "SELECT"})) p[16] = "STANDARD, CALCULATE or SELECT";
    if (!OneOf(c[17], {"CURRENTSTA", "LASTEVENT", "ALLEVENTS", "LASTSTA"})) p[17] = "an unknown preload mode";
    p[18] = FileProblem(kHomeFolder, c[18], fs);
    if (!OneOf(UCase(Trim(c[19])), {"JULIAN", "NUMERIC"})) p[19] = "JULIAN or NUMERIC";
    std::string modes = UCase(c[20]) + " ";
    for (size_t at = 0, space; (space = modes.find(' ', at)) != std::string::npos; at = space + 1)
        if (space > at && !OneOf(modes.substr(at, space - at), {"MULTI", "SINGLE", "LONG", "SHORT"}))
            p[20] = "MULTI, SINGLE, LONG or SHORT";
    return p;
}

}  // namespace varnel
