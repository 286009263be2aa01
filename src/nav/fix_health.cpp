#include "nav/fix_health.h"

#include <cstdlib>
#include <optional>

namespace varnel {

namespace {

std::string Age(long long s) {
    s = std::llabs(s);
    return s < 120 ? std::to_string(s) + " s" : std::to_string(s / 60) + " min";
}

}  // namespace

FixHealth JudgeFix(const std::string& fixQuality, long long sentenceAgeS, long long fileAgeS, long long staleS,
                   std::optional<long long> clockOffsetS) {
    if (fixQuality == "0") return {"NO FIX from the receiver", true};
    if (fileAgeS > staleS) return {"STALE: no new position for " + Age(fileAgeS), true};
    // The file is fresh: what its time lags behind the clock beyond the file's own age is
    // the clock's offset (unless the receiver's offset was measured as its sentences
    // came), or a receiver whose time stands still.
    long long offset = clockOffsetS ? *clockOffsetS : sentenceAgeS - (fileAgeS < 0 ? 0 : fileAgeS);
    if (std::llabs(sentenceAgeS - offset) > staleS)
        return {"STALE: receiver time " + Age(sentenceAgeS - offset) + " old", true};
    if (std::llabs(offset) > staleS) return {"STALE: receiver time " + Age(offset) + " old", true};
    std::string text = "Fix " + Age(sentenceAgeS) + " old";
    if (std::llabs(offset) > 2) return {text + ", clock " + Age(offset) + (offset > 0 ? " ahead" : " behind"), true};
    return {text, false};
}

void ShowFixHealth(Workstation& w, const Fix& fix) {
    auto& f = w.frmActivity;
    auto& bar = f.StatusBar1;
    if (!fix.utcSecond) {
        bar.panel[8] = fix.quality == "0" ? "NO FIX from the receiver" : "";
        bar.panelAlert[8] = !bar.panel[8].empty();
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
    bar.panelTooltip[8] =
        "How old the position is (the receiver's time against this workstation's UTC clock), whether the "
        "current-position file still changes, and how far this workstation's clock is off GPS time.";
}

}  // namespace varnel
