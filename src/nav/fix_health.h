// How good the position on screen is: the age of the receiver's time against the
// workstation's UTC clock, the time since the current-position file last changed, a
// receiver that reports no fix, and the workstation clock's offset from GPS time. Shown
// in the status bar's panel 8; nothing of it asks a question or changes a file.
#pragma once
#include <optional>
#include <string>

#include "forms/workstation.h"
#include "nav/nmea_fix.h"

namespace varnel {

struct FixHealth {
    std::string text;
    bool alert = false;   // stale, no fix, or the clock more than 2 s off
    bool current = true;  // neither stale nor without a fix
};

// `sentenceAgeS`: workstation UTC time of day minus the sentence's time (seconds);
// `fileAgeS`: seconds since the file was written (negative: unknown);
// `staleS`: the age past which a position is stale; `clockOffsetS`: the clock's offset
// measured from the receiver's sentences as they arrived, when known.
FixHealth JudgeFix(const std::string& fixQuality, long long sentenceAgeS, long long fileAgeS, long long staleS,
                   std::optional<long long> clockOffsetS = std::nullopt);
// The tick's judgement of the position just read from the current-position file: a
// sentence without a position (or at -99), without a time, or with a date that is not
// one is no fix.
void ShowFixHealth(Workstation& w, const Fix& fix);
// The tick could not read the current-position file: the position on screen grows old.
void ShowFixLost(Workstation& w);

}  // namespace varnel
