// NMEA sentence files: ReadGpsFile picks the configured primary sentence (and the
// 2nd sentence for its date) out of the current-position file; the serial window's
// sentence writer rewrites that file from the received text.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "forms/workstation.h"

namespace varnel {

struct GpsTexts {
    std::string latDeg, latMin, lonDeg, lonMin, date, time;
    std::string fixQuality;  // GGA's fix quality, "0" for an RMC that reports no fix; empty when unknown
};

// Splits like SplitFields with no count limit: field k to element k (list grows
// as needed); the text after the last comma is not stored.
void SplitSentence(std::string_view sentence, std::vector<std::string>& list);

// The parse of lines already read (no I/O): sets status panel text through `status`.
GpsTexts ParseGpsLines(const std::vector<std::string>& lines, const std::string& primary, const std::string& second,
                       std::string& status);

// Reads the file (every non-blank line, trimmed), retrying unreadable files every
// 2000 ms: six silent retries, then the question; No gives up for this tick.
GpsTexts ReadGpsFile(Workstation& w, const std::string& path);

// The serial window's writer: the first primary and 2nd sentences in `display` (of any
// talker, sentences with a wrong checksum skipped and counted) written as quoted lines
// to Data Directory + "GPS Current Position:".
void WriteSentenceFile(Workstation& w, const std::string& display);

}  // namespace varnel
