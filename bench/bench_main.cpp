// Benchmarks of the logger's hot paths, each beside the raw cost of the file
// operations it does, measured in the same run:
//   ./build/bench/varnel_bench --benchmark_min_time=0.2
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/startup.h"
#include "config/configuration.h"
#include "events/deployment_watch.h"
#include "events/event_files.h"
#include "events/event_grid.h"
#include "events/event_number.h"
#include "events/recording.h"
#include "events/store_of_station.h"
#include "grid/grid_conversion.h"
#include "lists/selection.h"
#include "nav/comm_check.h"
#include "nav/gps_file.h"
#include "platform/headless/headless_host.h"
#include "record/folder_store.h"
#include "report/report_html.h"
#include "station/station_tick.h"
#include "text/split_fields.h"

namespace fs = std::filesystem;
using namespace varnel;

namespace {

const char* kGga = "$GPGGA,140509.00,3254.000,N,11718.000,W,1,08,0.9,10.0,M,,,,*1A";
const char* kRmc = "$GPRMC,140509.00,A,3254.000,N,11718.000,W,0.0,0.0,050726,,,*0C";

std::string Record() {
    return "0701JD,42,93.3,26.7,93.6,27.0,05-Jul-2026,14:05:27,32.900000,-117.300000,CTD,CTD DEPLOYED,JD,"
           "05-Jul-2026,14:05:09,Sea Conditions: Calm,2" +
           std::string(111, ',');
}

void Write(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

// A station on a temporary drive root, started and recording.
struct Bench {
    fs::path root;
    std::unique_ptr<HeadlessHost> host;
    std::unique_ptr<Workstation> w;

    explicit Bench(const std::string& preload = "LASTEVENT", long logLines = 0) {
        root = fs::temp_directory_path() / ("varnel-bench-" + std::to_string(::getpid()));
        fs::remove_all(root);
        CfgLines cfg = StarterConfiguration();
        cfg[CfgLine::Cruise] = "0701JD";
        cfg[CfgLine::DataDirectory] = cfg[CfgLine::NavDirectory] = "Q:\\E\\";
        cfg[CfgLine::NetworkOrLocal] = "NETWORK";
        cfg[CfgLine::PreloadMode] = "";
        std::string text;
        for (int i = 1; i <= 20; ++i) text += cfg[i] + "\r\n";
        Write(root / "C/VarnelGPS/VarnelGPS.cfg", text);
        Write(root / "C/VarnelGPS/BridgeEvents.txt", "CTD DEPLOYED\r\nCTD AT DEPTH\r\n");
        Write(root / "C/VarnelGPS/Watch.txt", "JD\r\n");
        Write(root / "C/VarnelGPS/CommentOpt.txt", "Station Type\r\n");
        Write(root / "C/VarnelGPS/Lines.txt", "93.3\r\n");
        Write(root / "C/VarnelGPS/Line93.txt", "26.7\r\n");
        Write(root / "Q/E/EventNumber.txt", "41\r\n");
        Write(root / "Q/E/CurrPos.txt", std::string(kGga) + "\r\n" + kRmc + "\r\n");
        if (logLines > 0) {
            std::string log;
            for (long i = 0; i < logLines; ++i) log += Record() + "\r\n";
            Write(root / "Q/E/0701JDEvents.csv", log);
        }
        host = std::make_unique<HeadlessHost>(DriveMap{root.string(), {}});
        for (int i = 0; i < 4; ++i) host->answers.push_back(Answer::Yes);
        w = std::make_unique<Workstation>(*host);
        w->cfg[CfgLine::PreloadMode] = preload;
        Activity_Form_Load(*w);
        Command1_Click(*w, 0);
    }
    ~Bench() { fs::remove_all(root); }
};

void BM_CalcLineSta(benchmark::State& s) {
    for (auto _ : s) benchmark::DoNotOptimize(CalcLineSta(32.9f, -117.3f));
}
BENCHMARK(BM_CalcLineSta);

void BM_SplitFields_EventRecord(benchmark::State& s) {
    std::string line = Record();
    std::vector<std::string> list(200);
    for (auto _ : s) {
        SplitFields(line, list, 0);
        benchmark::DoNotOptimize(list.data());
    }
}
BENCHMARK(BM_SplitFields_EventRecord);

void BM_ReadGpsFile(benchmark::State& s) {
    Bench b;
    std::string text = std::string(kGga) + "\r\n" + kRmc + "\r\n";
    for (int i = 2; i < s.range(0); ++i)
        text += "$GPGSV,3,1,12,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*7F\r\n";
    Write(b.root / "Q/E/CurrPos.txt", text);
    for (auto _ : s) benchmark::DoNotOptimize(ReadGpsFile(*b.w, "Q:\\E\\CurrPos.txt"));
}
BENCHMARK(BM_ReadGpsFile)->Arg(2)->Arg(20);

void BM_Raw_ReadSmallFile(benchmark::State& s) {
    Bench b;
    std::string native = (b.root / "Q/E/CurrPos.txt").string();
    char buf[4096];
    for (auto _ : s) {
        int fd = ::open(native.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, buf, sizeof buf));
        ::close(fd);
    }
}
BENCHMARK(BM_Raw_ReadSmallFile);

void BM_DrawEventNumber(benchmark::State& s) {
    Bench b;
    for (auto _ : s) benchmark::DoNotOptimize(DrawEventNumber(*b.w));
}
BENCHMARK(BM_DrawEventNumber);

void BM_Raw_ReadAndTwoReplaces(benchmark::State& s) {
    Bench b;
    auto& fs = b.host->Files();
    for (auto _ : s) {
        benchmark::DoNotOptimize(fs.ReadLines("Q:\\E\\EventNumber.txt"));
        fs.ReplaceLines("Q:\\E\\EventNumber.txt", {"42"});
        fs.ReplaceLines("C:\\VarnelGPS\\EventNumber.txt", {"42"});
    }
}
BENCHMARK(BM_Raw_ReadAndTwoReplaces);

void BM_Tick_NmeaCounting(benchmark::State& s) {
    Bench b;
    for (auto _ : s) Timer1_Timer(*b.w);
}
BENCHMARK(BM_Tick_NmeaCounting);

void BM_Raw_TickFileReads(benchmark::State& s) {
    Bench b;
    auto& fs = b.host->Files();
    for (auto _ : s) {
        benchmark::DoNotOptimize(fs.ReadLines("Q:\\E\\CurrPos.txt"));
        benchmark::DoNotOptimize(fs.ReadLines("Q:\\E\\EventNumber.txt"));
        benchmark::DoNotOptimize(fs.Exists("Q:\\E\\0701JDLastEvent.csv"));
    }
}
BENCHMARK(BM_Raw_TickFileReads);

// The file work of one recorded event in network mode with a 3000-row HTML table: the
// draw under its lock, the journal entry, the local and the shared files.
void BM_SaveEvent_Network_Html3000(benchmark::State& s) {
    Bench b;
    std::string html =
        "<HTML>\r\n<HEAD>\r\n<TITLE>T</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<H2>T</H2>\r\n<TABLE>\r\n<TR><TH>H\r\n";
    std::string row = HtmlTableRow(EventOnScreen(b.w->frmActivity, b.host->Now()));
    for (int i = 0; i < 2990; ++i) html += row + "\r\n";
    html += "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
    Write(b.root / "Q/E/0701JDEvents.htm", html);
    Write(b.root / "C/VarnelGPS/0701JDEvents.htm", html);
    b.w->frmActivity.Command1[0].caption = "Saving Event";
    for (auto _ : s) {
        DrawEventNumber(*b.w);
        SaveEventLocal(*b.w);
        SaveEventNetwork(*b.w);
    }
}
BENCHMARK(BM_SaveEvent_Network_Html3000)->Unit(benchmark::kMillisecond);

void BM_Raw_SaveEventFileOps(benchmark::State& s) {
    Bench b;
    auto& fs = b.host->Files();
    std::string html = "<HTML>\r\n";
    std::string row = HtmlTableRow(EventOnScreen(b.w->frmActivity, b.host->Now()));
    for (int i = 0; i < 3000; ++i) html += row + "\r\n";
    Write(b.root / "Q/E/raw.htm", html);
    Write(b.root / "C/VarnelGPS/raw.htm", html);
    std::string line = Record();
    for (auto _ : s) {
        fs.CreateExclusive("Q:\\E\\raw.lock", "host pid 1\r\n");
        fs.Remove("Q:\\E\\raw.lock");
        fs.AppendLines("C:\\VarnelGPS\\rawjournal.txt", {line + line}, true);
        fs.Remove("C:\\VarnelGPS\\rawjournal.txt");
        for (const char* p : {"Q:\\E\\raw.htm", "C:\\VarnelGPS\\raw.htm"}) fs.ReplaceText(p, fs.ReadAll(p));
        fs.ReplaceLines("Q:\\E\\EventNumber.txt", {"42"});
        fs.ReplaceLines("C:\\VarnelGPS\\EventNumber.txt", {"42"});
        fs.AppendLines("C:\\VarnelGPS\\raw.csv", {line}, true);
        fs.AppendLines("C:\\VarnelGPS\\rawrole.csv", {line});
        fs.AppendLines("Q:\\E\\raw.csv", {line});
        fs.AppendLines("Q:\\E\\rawrole.csv", {line});
        fs.ReplaceLines("Q:\\E\\rawlast.csv", {line});
    }
}
BENCHMARK(BM_Raw_SaveEventFileOps)->Unit(benchmark::kMillisecond);

void BM_Preload100k(benchmark::State& s) {
    static const char* modes[] = {"LASTEVENT", "LASTSTA", "ALLEVENTS", "CURRENTSTA"};
    Bench b(modes[s.range(0)], 100000);
    auto store = SharedStore(*b.w);
    for (auto _ : s) PreloadEvents(*store, b.w->frmActivity);
    s.SetLabel(modes[s.range(0)]);
}
BENCHMARK(BM_Preload100k)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_Raw_Read100kLog(benchmark::State& s) {
    Bench b("", 100000);
    for (auto _ : s) benchmark::DoNotOptimize(b.host->Files().ReadLines("Q:\\E\\0701JDEvents.csv"));
}
BENCHMARK(BM_Raw_Read100kLog)->Unit(benchmark::kMillisecond);

// The open deployments rebuilt from a 100,000-line shared cruise log (numbers in order,
// a deployment, its stages and its recovery among other events) beside a raw read of it.
std::string WriteDeploymentLog(Bench& b) {
    static const char* events[] = {"STATION ARRIVAL", "CTD DEPLOYED",    "CTD AT DEPTH",     "CTD RECOVERED",
                                   "BONGO DEPLOYED",  "BONGO RECOVERED", "STATION DEPARTURE"};
    std::string log;
    for (int i = 0; i < 100000; ++i) {
        std::string line = Record();
        line.replace(7, 2, std::to_string(i + 1));
        line.replace(line.find("CTD DEPLOYED"), 12, events[i % 7]);
        log += line + "\r\n";
    }
    Write(b.root / "Q/E/0701JDEvents.csv", log);
    return "Q:\\E\\0701JDEvents.csv";
}

void BM_RebuildDeployments100k(benchmark::State& s) {
    Bench b;
    WriteDeploymentLog(b);
    for (auto _ : s) RebuildDeployments(*b.w);
    s.counters["open"] = static_cast<double>(b.w->frmActivity.Deployments.rows - 1);
}
BENCHMARK(BM_RebuildDeployments100k)->Unit(benchmark::kMillisecond);

void BM_Raw_ReadDeploymentLog100k(benchmark::State& s) {
    Bench b;
    std::string path = WriteDeploymentLog(b);
    for (auto _ : s) benchmark::DoNotOptimize(b.host->Files().ReadAll(path));
}
BENCHMARK(BM_Raw_ReadDeploymentLog100k)->Unit(benchmark::kMillisecond);

// The cruise report of the same 100,000-line log: read, analysed and written as HTML.
void BM_CruiseReport100k(benchmark::State& s) {
    Bench b;
    std::string path = WriteDeploymentLog(b);
    FolderReader log(b.host->Files(), {"", "", path, "", ""});
    for (auto _ : s) benchmark::DoNotOptimize(ReportHtml(Analyse(ReadLog(log, path), {})));
}
BENCHMARK(BM_CruiseReport100k)->Unit(benchmark::kMillisecond);

// One second of 115200-baud NMEA (11,520 bytes) through ParseInput and the writer.
void BM_ParseInput_115200(benchmark::State& s) {
    Bench b;
    std::string second;
    while (second.size() < 11520) second += std::string(kGga) + "\r\n" + kRmc + "\r\n";
    second.resize(11520);
    b.w->frmCommCheck.reading = 1;
    for (auto _ : s) {
        b.w->frmCommCheck.buffer = second;
        ParseInput(*b.w);
    }
}
BENCHMARK(BM_ParseInput_115200);

void BM_Raw_WriteCurrentPositionOnce(benchmark::State& s) {
    Bench b;
    for (auto _ : s) b.host->Files().ReplaceLines("Q:\\E\\CurrPos.txt", {kGga, kRmc});
}
BENCHMARK(BM_Raw_WriteCurrentPositionOnce);

}  // namespace
