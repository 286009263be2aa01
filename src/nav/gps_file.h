// NMEA sentence files: ReadGpsFile picks the configured primary sentence (and the
// 2nd sentence for its date) out of the current-position file; the serial window's
// sentence writer rewrites that file from the received text.
#pragma once
#include <string>
#include <vector>

#include "forms/workstation.h"
#include "nav/nmea_fix.h"

namespace varnel {

// The parse of lines already read (no I/O): sets status panel text through `status`.
Fix ParseGpsLines(const std::vector<std::string>& lines, const std::string& primary, const std::string& second,
                  std::string& status);

// Reads the file (every non-blank line, trimmed), retrying unreadable files every
// 2000 ms: six silent retries, then the question; No gives up for this tick.
Fix ReadGpsFile(Workstation& w, const std::string& path);

// The serial window's writer: the first primary and 2nd sentences in `display` (of any
// talker, sentences with a wrong checksum skipped and counted) written as quoted lines
// to Data Directory + "GPS Current Position:".
void WriteSentenceFile(Workstation& w, const std::string& display);

}  // namespace varnel
