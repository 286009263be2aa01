#include "nav/gps_file.h"

#include <utility>

#include "nav/nmea_sentence.h"
#include "platform/strings.h"

namespace varnel {

Fix ParseGpsLines(const std::vector<std::string>& lines, const std::string& primary, const std::string& second,
                  std::string& status) {
    size_t found = 0;
    while (found < lines.size() && FindSentence(lines[found], primary) == std::string::npos) ++found;
    if (found == lines.size()) {
        status = "GPS Status: BAD!";
        return {};
    }
    status = "GPS Status: Good";
    // Read as the configured kind, not the line's own; a ZDA primary gives nothing, nor
    // does an identifier that names no kind read here.
    const SentenceKind kind = KindOf(primary);
    if (kind == SentenceKind::Zda || kind == SentenceKind::Other) return {};
    Fix fix = ParseFix(lines[found], kind, LastField::Dropped);
    if (kind == SentenceKind::Gga && !second.empty()) {
        // GGA has no date: the 2nd sentences from the GGA line on give it, a later one
        // replacing the fields it has. Without one the date stays empty.
        SentenceFields b;
        bool haveSecond = false;
        for (size_t i = found; i < lines.size(); ++i)
            if (FindSentence(lines[i], second) != std::string::npos) {
                b.Overlay(SplitSentence(lines[i], LastField::Dropped));
                haveSecond = true;
            }
        if (haveSecond) fix.date = DateOf(b, KindOf(second));
    }
    return fix;
}

Fix ReadGpsFile(Workstation& w, const std::string& path) {
    auto& f = w.frmActivity;
    int failures = 0;
    for (;;) {
        try {
            std::vector<std::string> lines;
            for (auto& l : w.files().ReadLines(path))
                if (std::string t = Trim(l); !t.empty()) lines.push_back(std::move(t));
            std::string status = f.StatusBar1.panel[3];
            Fix fix = ParseGpsLines(lines, w.cfg.PrimarySentence(), w.cfg.SecondSentence(), status);
            f.StatusBar1.panel[3] = status;
            return fix;
        } catch (const FileError&) {
            w.services.Pause(2000);
            if (++failures <= 6) continue;
            if (w.prompts.MsgBox("Having trouble reading " + path + " Y to retry after checking Q is available.",
                                 Buttons::YesNo, Icon::Error, "Unable to READ from the server!") == Answer::Yes) {
                failures = 0;
                continue;
            }
            f.StatusBar1.panel[3] = "GPS Status: BAD!";
            return {};
        }
    }
}

void WriteSentenceFile(Workstation& w, const std::string& display) {
    // The first sentence of the identifier whose checksum is not wrong; a damaged one
    // (line noise) is skipped.
    auto sentence = [&](const std::string& id) -> std::string {
        if (id.empty()) return "";
        for (size_t p = FindSentence(display, id); p != std::string::npos; p = FindSentence(display, id, p + 1)) {
            auto e = display.find('\r', p);
            std::string s = display.substr(p, e == std::string::npos ? std::string::npos : e - p);
            if (!BadChecksum(s)) return s;
        }
        return "";
    };
    std::string primary = sentence(w.cfg.PrimarySentence());
    std::string second = sentence(w.cfg.SecondSentence());
    if (primary.size() <= 4) return;
    std::string path = w.cfg.DataDirectory() + w.cfg.PositionFile();
    auto k = primary.find(",,,$");
    size_t cut = k == std::string::npos ? 0 : k + 1;
    try {
        w.files().ReplaceLines(path, {"\"" + primary.substr(0, primary.size() - cut) + "\"", "\"" + second + "\""});
    } catch (const FileError&) {
        w.Msg("Unable to write to " + path + " ! Fix by mapping drive Q or edit varnelgps.cfg datapath.");
    }
}

}  // namespace varnel
