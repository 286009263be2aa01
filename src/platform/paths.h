// Mapping of the program's paths ("C:\VarnelGPS\Watch.txt") to native ones, and of
// serial port numbers to devices. The logic keeps its paths as it forms them; only
// the file system maps them, so every message shows the program's own path text.
#pragma once
#include <map>
#include <string>
#include <string_view>

namespace varnel {

struct DriveMap {
    std::string root;                       // <root>/X/a/b for a drive path X:\a\b
    std::map<char, std::string> overrides;  // a drive letter mapped elsewhere (upper case)

    // The drive root of $VARNELGPS_DRIVES, else ~/.local/share/varnelgps/drives.
    static DriveMap FromEnvironment();
};

// A drive path becomes <drive root>/<letter>/<rest>; backslashes become slashes;
// a path already absolute on this system is used as it is; a bare name is relative
// to the working folder. When the exact name is missing, a case-insensitive match
// in the same folder is used.
std::string NativePath(const DriveMap& map, std::string_view programPath);

// A native path back in the program's form: under <drive root>/X/ (or a mapped
// drive) it becomes X:\a\b; any other path is returned as it is.
std::string ProgramPath(const DriveMap& map, const std::string& native);

// Serial port n (COMn): $VARNELGPS_COM<n> when set, else /dev/ttyS<n-1>.
std::string SerialDevice(int port);

}  // namespace varnel
