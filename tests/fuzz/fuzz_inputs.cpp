// Every reader of outside input on any bytes; the first byte picks the reader:
// 0 the sentence readers (the file's lines, one sentence into a fix), 1 the serial line
// (splitter, display, receiver summary, sentence writer), 2 UDP datagrams (a NUL byte
// separates them) and the tick's read, 3 the MET record reader, 4 the configuration
// reader and check, 5 the role event list and the comment options file in both panel
// modes. The readers run on a headless station of their own under /tmp: every question
// answered No, every message dropped.
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "config/config_check.h"
#include "config/configuration.h"
#include "forms/workstation.h"
#include "lists/comment_options.h"
#include "lists/role_lists.h"
#include "nav/comm_check.h"
#include "nav/gps_file.h"
#include "nav/met_file.h"
#include "nav/nav_source.h"
#include "nav/nmea_fix.h"
#include "nav/nmea_sentence.h"
#include "nav/receiver_status.h"
#include "platform/files.h"
#include "platform/headless/headless_host.h"
#include "record/deployments.h"
#include "record/journal_entry.h"
#include "record/log_line.h"
#include "report/report_html.h"

using namespace varnel;

namespace {

struct QuietHost : HeadlessHost {
    using HeadlessHost::HeadlessHost;
    Answer MsgBox(const std::string&, Buttons, Icon, const std::string&, Answer) override { return Answer::No; }
};

struct Station {
    std::filesystem::path root = std::filesystem::temp_directory_path() / ("varnel-fuzz-" + std::to_string(::getpid()));
    QuietHost host{DriveMap{root.string(), {}}};
    Workstation w{host};
    Station() {
        std::filesystem::create_directories(root / "Q" / "E");
        w.cfg = StarterConfiguration();
        w.cfg[CfgLine::DataDirectory] = w.cfg[CfgLine::NavDirectory] = "Q:\\E\\";
        w.cfg[CfgLine::NavSourceWord] = "UDP";
        w.cfg[CfgLine::SecondSentence] = "$GPZDA";
        auto& f = w.frmActivity;
        f.homeFolder = "C:\\VarnelGPS\\";
        f.dataFolder = "Q:\\E\\";
        f.CurrPosFile = "Q:\\E\\CurrPos.txt";
        f.NavSource = NavSource::Udp;
        f.EventListPath = "C:\\VarnelGPS\\BridgeEvents.txt";
        f.commentOptPath = "C:\\VarnelGPS\\CommentOpt.txt";
        w.files().CreateFolder(f.homeFolder);
    }
};

void Sentences(Station&, const std::string& text) {
    auto lines = SplitLines(text);
    std::string status;
    for (const char* primary : {"$GPGGA", "$GNRMC", "$GPWPL", "GGA"})
        for (const char* second : {"$GPZDA", "$GNRMC", ""}) (void)ParseGpsLines(lines, primary, second, status);
    for (auto& l : lines) {
        (void)FindSentence(l, "$GPGGA", l.size() / 2);
        (void)KindAt(l);
        for (auto kind : {SentenceKind::Gga, SentenceKind::Rmc, SentenceKind::Zda, SentenceKind::Wpl})
            for (auto last : {LastField::Kept, LastField::Dropped}) (void)ParseFix(l, kind, last);
    }
}

void SerialLine(Station& s, const std::string& text) {
    s.w.frmCommCheck.buffer = text;
    s.w.frmCommCheck.txtDisplay.text.clear();
    ParseInput(s.w);
    (void)ReceiverSummary(s.w.frmCommCheck, s.host.ElapsedMs());
}

void Datagrams(Station& s, const std::string& all) {
    for (size_t at = 0; at <= all.size();) {
        size_t end = all.find('\0', at);
        s.host.udpPending.push_back(all.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    PollUdp(s.w);
}

void MetRecord(Station&, const std::string& text) {
    std::array<std::string, 201> items{};
    int la = 0, lo = 0;
    try {
        ParseMetItems(text, items, la, lo);
    } catch (const MetError&) {
    }
}

void Configuration(Station& s, const std::string& text) {
    CfgLines cfg;
    ReadConfigurationText(text, cfg);
    (void)CheckConfiguration(cfg.slot, s.w.files());
}

void Lists(Station& s, const std::string& text) {
    for (const char* name : {"BridgeEvents.txt", "CommentOpt.txt"})
        std::ofstream(s.root / "C" / "VarnelGPS" / name, std::ios::binary) << text;
    for (auto occasion : {ListOccasion::StartUp, ListOccasion::RoleMenu}) {
        s.w.frmActivity.MultiMode = !s.w.frmActivity.MultiMode;
        LoadEventList(s.w, occasion);
    }
    LoadCommentOptions(s.w);
}

// Cruise logs and journal entries: read, analysed, and a line of a logged event's form
// written back byte for byte.
void Logs(Station&, const std::string& text) {
    auto lines = SplitLines(text);
    DeploymentBook book;
    for (const auto& l : lines) {
        LoggedEvent e = ParseLogLine(l);
        if (e.columnsRead >= EventColumnCount() && SharedCruiseLogLine(e) != l) __builtin_trap();
        NoteLogLine(book, l, 0);
        if (auto entry = ParseJournalEntry(l)) {
            auto again = ParseJournalEntry(JournalEntryLine(*entry));
            if (!again || again->sharedLine != entry->sharedLine || again->cruise != entry->cruise) __builtin_trap();
        }
    }
    (void)OpenOperations(book, 0);
    (void)ReportHtml(Analyse(ReadLog(lines, "fuzz.csv"), {}), StarterGrid());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static Station s;
    static void (*const readers[])(Station&, const std::string&) = {Sentences,     SerialLine, Datagrams, MetRecord,
                                                                    Configuration, Lists,      Logs};
    if (size > 0)
        readers[data[0] % std::size(readers)](s, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    return 0;
}
