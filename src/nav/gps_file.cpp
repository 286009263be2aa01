#include "nav/gps_file.h"

#include "nav/nmea_sentence.h"
#include "platform/strings.h"
#include "text/nav_date.h"

namespace varnel {

void SplitSentence(std::string_view s, std::vector<std::string>& list) {
    size_t pos = 0, start = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != ',') continue;
        if (pos >= list.size()) list.resize(pos + 1);
        list[pos++] = std::string(s.substr(start, i - start));
        start = i + 1;
    }
}

namespace {

std::string Hms(const std::string& t) {
    return Left(t, 2) + ":" + Mid(t, 3, 2) + ":" + Mid(t, 5, 2);
}

void SplitDegrees(const std::string& field, size_t n, std::string& deg, std::string& min) {
    deg = Left(field, n);
    min = field.size() < n ? field : field.substr(n);
}

const std::string& At(const std::vector<std::string>& v, size_t i) {
    static const std::string empty;
    return i < v.size() ? v[i] : empty;
}

}  // namespace

GpsTexts ParseGpsLines(const std::vector<std::string>& lines, const std::string& primary, const std::string& second,
                       std::string& status) {
    GpsTexts g;
    std::vector<std::string> a(21), b(21);
    size_t found = lines.size();
    for (size_t i = 0; i < lines.size(); ++i)
        if (FindSentence(lines[i], primary) != std::string::npos) {
            found = i;
            break;
        }
    if (found == lines.size()) {
        status = "GPS Status: BAD!";
        return g;
    }
    SplitSentence(lines[found], a);
    const std::string type = SentenceType(primary), secondType = SentenceType(second);
    bool haveSecond = false;  // without a 2nd sentence after the primary the date stays empty
    if (type == "GGA" && !second.empty())
        for (size_t i = found; i < lines.size(); ++i)
            if (FindSentence(lines[i], second) != std::string::npos) {
                SplitSentence(lines[i], b);
                haveSecond = true;
            }
    if (type == "GGA") {
        g.time = Hms(At(a, 1));
        SplitDegrees(At(a, 2), 2, g.latDeg, g.latMin);
        SplitDegrees(At(a, 4), 3, g.lonDeg, g.lonMin);
        g.fixQuality = At(a, 6);
        if (!haveSecond)
            g.date.clear();
        else if (secondType == "ZDA")
            g.date = ConvertNavDate(At(b, 2) + At(b, 3) + At(b, 4));
        else if (secondType == "RMC")
            g.date = ConvertNavDate(At(b, 9));
    } else if (type == "RMC") {
        g.time = Hms(At(a, 1));
        g.date = ConvertNavDate(At(a, 9));
        SplitDegrees(At(a, 3), 2, g.latDeg, g.latMin);
        SplitDegrees(At(a, 5), 3, g.lonDeg, g.lonMin);
        g.fixQuality = At(a, 2) == "V" ? "0" : "1";
    } else if (type == "WPL") {
        // A waypoint gives a position only: $GPWPL,ddmm.mm,N,dddmm.mm,W,name
        SplitDegrees(At(a, 1), 2, g.latDeg, g.latMin);
        SplitDegrees(At(a, 3), 3, g.lonDeg, g.lonMin);
    }
    status = "GPS Status: Good";
    return g;
}

GpsTexts ReadGpsFile(Workstation& w, const std::string& path) {
    auto& f = w.frmActivity;
    int failures = 0;
    for (;;) {
        try {
            std::vector<std::string> lines;
            for (auto& l : w.files().ReadLines(path))
                if (!Trim(l).empty()) lines.push_back(Trim(l));
            std::string status = f.StatusBar1.panel[3];
            GpsTexts g = ParseGpsLines(lines, w.cfg.PrimarySentence(), w.cfg.SecondSentence(), status);
            f.StatusBar1.panel[3] = status;
            return g;
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
