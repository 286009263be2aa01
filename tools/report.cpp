// varnelgps-report: turns a shared cruise log (and the role logs, when given) into one
// self-contained HTML report: a map, the station occupations, counts and the health
// of the record. Reads the files as the logger writes them.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "record/folder_store.h"
#include "report/report_html.h"

namespace {

const char* kHelp =
    "Usage: varnelgps-report [-o REPORT.html] [--grid DIR] CRUISE_LOG [ROLE_LOG...] [*FixAtRecording.csv...]\n"
    "\n"
    "Writes one self-contained HTML file about a cruise from its shared cruise log\n"
    "(for example Q:\\0701\\Events\\0701JDEvents.csv): a map of the event positions over\n"
    "the survey grid's lines and standard stations with the ship's track, the station\n"
    "occupations (arrival, departure, duration, events by activity), the events per\n"
    "activity and, from the role logs given (0701JDBridge.csv ...), per station role,\n"
    "and the health of the record: numbers drawn twice or missing, events erased\n"
    "with Clear Last, times going backwards, positions of -99 or 0, lines with the\n"
    "wrong number of fields.\n"
    "\n"
    "  -o FILE     the report (default: the cruise log's name with -report.html)\n"
    "  --grid DIR  draw the grid of a station's home folder (its Lines.txt and the\n"
    "              station list of each line) in place of the starter grid\n"
    "  -h, --help  print this help and exit\n"
    "A file named ...FixAtRecording.csv (a station's home folder keeps one) lists the\n"
    "events that station recorded without a current fix.\n"
    "\n"
    "What could not be read is listed in the report and on standard error.\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> logs;
    std::string out;
    std::string gridFolder;
    std::vector<std::string> fixFiles;  // the stations' notes of events recorded without a current fix
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-h" || a == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (a == "-o" && i + 1 < argc) {
            out = argv[++i];
        } else if (a == "--grid" && i + 1 < argc) {
            gridFolder = std::filesystem::absolute(argv[++i]).string();
        } else if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr, "varnelgps-report: unknown option \"%s\"\n\n%s", a.c_str(), kHelp);
            return 2;
        } else if (a.size() >= 18 && a.substr(a.size() - 18) == "FixAtRecording.csv") {
            fixFiles.push_back(a);
        } else {
            logs.push_back(a);
        }
    }
    if (logs.empty()) {
        std::fprintf(stderr, "varnelgps-report: no cruise log given\n\n%s", kHelp);
        return 2;
    }
    std::vector<varnel::LogFile> files;
    varnel::FileSystem fs;
    for (const auto& path : logs) {
        varnel::FolderStorePaths paths;
        paths.cruiseLog = std::filesystem::absolute(path).string();
        varnel::FolderReader log(fs, paths);
        try {
            files.push_back(varnel::ReadLog(log, path));
        } catch (const varnel::FileError&) {
            std::fprintf(stderr, "varnelgps-report: cannot read %s\n", path.c_str());
            return 1;
        }
        for (const auto& u : files.back().unread) std::fprintf(stderr, "varnelgps-report: %s\n", u.c_str());
    }
    std::vector<varnel::GridLine> grid = varnel::StarterGrid();
    if (!gridFolder.empty()) {
        std::vector<std::string> unread;
        try {
            grid = varnel::ReadStationGrid(fs, gridFolder, unread);
        } catch (const varnel::FileError& e) {
            std::fprintf(stderr, "varnelgps-report: %s\n", e.what());
            return 1;
        }
        for (const auto& u : unread) std::fprintf(stderr, "varnelgps-report: grid: %s\n", u.c_str());
    }
    if (out.empty()) {
        out = logs.front();
        if (out.size() > 4 && out.substr(out.size() - 4) == ".csv") out.resize(out.size() - 4);
        out += "-report.html";
    }
    varnel::LogFile cruise = std::move(files.front());
    files.erase(files.begin());
    auto record = varnel::Analyse(std::move(cruise), std::move(files));
    for (const auto& path : fixFiles) {
        try {
            varnel::AddFixAtRecording(record.health,
                                      varnel::SplitLines(fs.ReadAll(std::filesystem::absolute(path).string())), path);
        } catch (const varnel::FileError&) {
            std::fprintf(stderr, "varnelgps-report: cannot read %s\n", path.c_str());
        }
    }
    std::ofstream o(out, std::ios::binary);
    o << varnel::ReportHtml(record, grid);
    if (!o.flush()) {
        std::fprintf(stderr, "varnelgps-report: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s: %zu events, %zu station occupations\n", out.c_str(), record.log.events.size(),
                record.occupations.size());
    return 0;
}
