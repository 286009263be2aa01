#include "nav/nav_source.h"

#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include "nav/fix_health.h"
#include "nav/gps_file.h"
#include "nav/met_file.h"
#include "nav/receiver_status.h"
#include "platform/numbers.h"
#include "platform/strings.h"
#include "text/nav_date.h"
#include "text/split_fields.h"

namespace varnel {

namespace {

bool LooksLikeNmea(const std::string& d) {
    return !d.empty() && d.find('$') != std::string::npos && Contains(d, ",");
}

bool LooksLikeRecord(const std::string& d) {
    std::vector<std::string> x(51);
    try {
        SplitFields(d, x, 51);
    } catch (const std::out_of_range&) {
        return false;
    }
    int commas = 0;
    for (char c : d) commas += c == ',';
    if (commas < 4) return false;
    auto numeric = [](const std::string& s) {
        std::string t = Trim(s);
        return !t.empty() &&
               (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '-' || t[0] == '+' || t[0] == '.');
    };
    return numeric(x[3]) && numeric(x[4]);
}

}  // namespace

bool ReadPosition(Workstation& w, float& lat, float& lon) {
    auto& f = w.frmActivity;
    const NavSource src = f.NavSource;
    if (src == NavSource::Udp) PollUdp(w);
    bool nmeaFile = src == NavSource::Network || src == NavSource::Gps || src == NavSource::Scs ||
                    src == NavSource::Knorr || (src == NavSource::Udp && f.udpRecord.empty());
    if (src == NavSource::Udp && !f.udpRecord.empty()) {
        std::vector<std::string> x(51);
        SplitFields(f.udpRecord, x, 51);
        f.Text1[1].text = x[1];
        f.Text1[2].text = x[2];
        lat = static_cast<float>(Val(x[3]));
        lon = static_cast<float>(Val(x[4]));
        f.Text1[3].text = FormatSingle(lat, "00.00000");
        f.Text1[4].text = FormatSingle(lon, "#000.00000");
        f.fixNotCurrent = false;
        return true;
    }
    if (!w.files().Exists(f.CurrPosFile)) {
        if (nmeaFile) ShowFixLost(w);
        if (src == NavSource::Knorr)
            f.StatusBar1.panel[1] = "Reading Current Position file...";
        else
            f.StatusBar1.panel[1] = "Unable to find " + f.CurrPosFile + " file - retrying...";
        return false;
    }
    if (nmeaFile) {
        Fix fix = ReadGpsFile(w, f.CurrPosFile);
        lat = fix.latitude.value_or(-99.0f);  // -99: no position in the sentence
        lon = fix.longitude.value_or(-99.0f);
        f.Text1[1].text = fix.date;
        f.Text1[2].text = fix.time;
        f.Text1[3].text = FormatSingle(lat, "00.00000");
        f.Text1[4].text = FormatSingle(lon, "#000.00000");
        ShowFixHealth(w, fix);
        return true;
    }
    if (src == NavSource::Met) {
        ParseMetItems(w.files().ReadAll(f.CurrPosFile), f.metItems, f.metLaPos, f.metLoPos);
        f.StatusBar1.panel[1] = "Reading Current Position file...";
        f.Text1[1].text = ConvertNavDate(f.metItems[1]);
        const std::string& t = f.metItems[2];
        f.Text1[2].text = Left(t, 2) + ":" + Mid(t, 3, 2) + ":" + Right(t, 2);
        if (f.metLaPos < 1 || f.metLoPos < 1) throw MetError("no item before the LA or LO tag");
        lat = static_cast<float>(Val(f.metItems[static_cast<size_t>(f.metLaPos - 1)]));
        lon = static_cast<float>(Val(f.metItems[static_cast<size_t>(f.metLoPos - 1)]));
        f.Text1[3].text = FormatSingle(lat, "00.00000");
        f.Text1[4].text = FormatSingle(lon, "000.00000");
        f.fixNotCurrent = false;
        return true;
    }
    return false;
}

void PollUdp(Workstation& w) {
    auto& f = w.frmActivity;
    std::string nmea;
    for (auto& d : w.services.UdpTake()) {
        if (LooksLikeRecord(d) && d.find('$') == std::string::npos) {
            f.udpRecord = d;
        } else if (LooksLikeNmea(d)) {
            std::string t = ReplaceAll(ReplaceAll(d, "\r\n", "\r"), "\n", "\r");
            if (t.back() != '\r') t += '\r';
            nmea += ReplaceAll(t, "\r", "\r\n");
            for (size_t at = 0, cr; (cr = t.find('\r', at)) != std::string::npos; at = cr + 1)
                NoteSentence(w.frmCommCheck, t.substr(at, cr - at), w.services.ElapsedMs(), UtcSecondOfDay(w.services));
            f.udpRecord.clear();
        } else {
            ++f.udpMalformed;
        }
    }
    if (!nmea.empty()) WriteSentenceFile(w, nmea);
    w.frmCommCheck.lblReceiver.caption = ReceiverSummary(w.frmCommCheck, w.services.ElapsedMs());
}

}  // namespace varnel
