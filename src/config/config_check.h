// What will not work in a configuration before it is saved: for each of the 20 lines
// the reason in plain words, or nothing. Folders need their closing "\" and must be
// there; named files must be in the folder they belong to; the sampling rate is a
// number of milliseconds; the serial settings start with a baud rate; the words of the
// drop-down lines are the ones the program knows.
#pragma once
#include <array>
#include <string>

#include "platform/files.h"

namespace varnel {

using CfgProblems = std::array<std::string, 21>;  // slot 0 unused

CfgProblems CheckConfiguration(const std::array<std::string, 21>& lines, FileSystem& fs);

}  // namespace varnel
