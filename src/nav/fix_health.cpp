#include "nav/fix_health.h"

#include <cstdlib>
#include <optional>

namespace varnel {

namespace {

std::string Age(long long s) {
    s = std::llabs(s);
    return s < 120 ? std::to_string(s) + " s" : std::to_string(s / 60) + " min";
}

// "dd-Mon-yyyy" with a day of 1 to 31 and an English month.
bool IsDate(const std::string& d) {
    static const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    if (d.size() != 11 || d[2] != '-' || d[6] != '-') return false;
    auto digits = [&](size_t at, size_t n) {
        for (size_t i = at; i < at + n; ++i)
            if (d[i] < '0' || d[i] > '9') return false;
        return true;
    };
    int day = (d[0] - '0') * 10 + (d[1] - '0');
    size_t m = months.find(d.substr(3, 3));
    return digits(0, 2) && digits(7, 4) && day >= 1 && day <= 31 && m != std::string::npos && m % 3 == 0;
}

const char* const kTooltip =
    "How old the position is (the receiver's time against this workstation's UTC clock), whether the "
    "current-position file still changes, and how far this workstation's clock is off GPS time.";

}  // namespace

FixHealth JudgeFix(const std::string& fixQuality, long long sentenceAgeS, long long fileAgeS, long long staleS,
                   std::optional<long long> clockOffsetS) {
    if (fixQuality == "0") return {"NO FIX from the receiver", true, false};
    if (fileAgeS > staleS) return {"STALE: no new position for " + Age(fileAgeS), true, false};
    // The file is fresh: what its time lags behind the clock beyond the file's own age is
    // the clock's offset (unless the receiver's offset was measured as its sentences
    // came), or a receiver whose time stands still.
    long long offset = clockOffsetS ? *clockOffsetS : sentenceAgeS - (fileAgeS < 0 ? 0 : fileAgeS);
    if (std::llabs(sentenceAgeS - offset) > staleS)
        return {"STALE: receiver time " + Age(sentenceAgeS - offset) + " old", true, false};
    if (std::llabs(offset) > staleS) return {"STALE: receiver time " + Age(offset) + " old", true, false};
    std::string text = "Fix " + Age(sentenceAgeS) + " old";
    if (std::llabs(offset) > 2) return {text + ", clock " + Age(offset) + (offset > 0 ? " ahead" : " behind"), true};
    return {text, false};
}

void ShowFixHealth(Workstation& w, const Fix& fix) {
    auto& f = w.frmActivity;
    auto& bar = f.StatusBar1;
    bar.panelTooltip[8] = kTooltip;
    bool noPosition = !fix.latitude || !fix.longitude || *fix.latitude == -99.0f || *fix.longitude == -99.0f;
    if (fix.quality == "0" || noPosition || !fix.utcSecond || (!fix.date.empty() && !IsDate(fix.date))) {
        bar.panel[8] = fix.quality == "0" ? "NO FIX from the receiver" : "NO FIX: no valid position in the file";
        bar.panelAlert[8] = true;
        f.fixNotCurrent = true;
        return;
    }
    DateTime utc = w.services.UtcNow();
    long long age = utc.hour * 3600LL + utc.minute * 60LL + utc.second - *fix.utcSecond;
    if (age < -43200) age += 86400;  // across midnight
    if (age >= 43200) age -= 86400;
    long long fileMs = w.services.FileAgeMs(f.CurrPosFile);
    long long staleS = 3LL * (f.SamplingInterval > 0 ? f.SamplingInterval : 15000) / 1000;
    const auto& c = w.frmCommCheck;
    std::optional<long long> measured;
    if ((f.NavSource == NavSource::Gps || f.NavSource == NavSource::Udp) && c.haveClockOffset)
        measured = c.clockOffsetS;
    FixHealth h = JudgeFix(fix.quality, age, fileMs < 0 ? -1 : fileMs / 1000, staleS < 10 ? 10 : staleS, measured);
    bar.panel[8] = h.text;
    bar.panelAlert[8] = h.alert;
    f.fixNotCurrent = !h.current;
    f.fixTakenMs = w.services.ElapsedMs() - (age > 0 ? age : 0) * 1000;
}

void ShowFixLost(Workstation& w) {
    auto& f = w.frmActivity;
    auto& bar = f.StatusBar1;
    f.fixNotCurrent = true;
    bar.panel[8] = f.fixTakenMs < 0
                       ? "NO FIX: the position file cannot be read"
                       : "STALE: no new position for " + Age((w.services.ElapsedMs() - f.fixTakenMs) / 1000);
    bar.panelAlert[8] = true;
    bar.panelTooltip[8] = kTooltip;
}

}  // namespace varnel
