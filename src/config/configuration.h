// The station's one configuration file, C:\VarnelGPS\VarnelGPS.cfg: 20 lines, one
// value per line, meaning by line number.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "config/cfg_lines.h"
#include "platform/files.h"

namespace varnel {

inline constexpr const char* kHomeFolder = "C:\\VarnelGPS\\";
inline constexpr const char* kConfigPath = "C:\\VarnelGPS\\VarnelGPS.cfg";

// The editor's label of each line (index 1 to 20).
extern const std::array<const char*, 21> kCfgLabels;

// Fills CfgLines from the file: a non-empty line is stored trimmed of blanks in
// the next slot; an empty line uses up its slot and leaves it as it was; slots not
// reached keep their values (the table is not cleared between readings). Lines
// after the 20th are ignored. Throws FileError when the file cannot be read.
void ReadConfiguration(FileSystem& fs, CfgLines& cfg);
// The same rule on text already read (used by the reader and its tests).
void ReadConfigurationText(std::string_view text, CfgLines& cfg);

// Creates or truncates the file and writes the 20 texts as lines 1 to 20 (CR LF).
void WriteConfiguration(FileSystem& fs, const std::array<std::string, 21>& lines);
// The writers that take CfgLines as they stand, or each value trimmed.
void WriteConfiguration(FileSystem& fs, const CfgLines& cfg, bool trimEach);

// A starter configuration for a new workstation (offered when the file is missing).
CfgLines StarterConfiguration();

}  // namespace varnel
