// StationServices: what the station asks of its own machine without asking the
// operator anything: the clock, blocking pauses, the file system, the serial port,
// the UDP navigation receiver, starting programs and documents, the guide's folder
// and ending the program. A routine that takes these alone cannot stop and ask.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"

namespace varnel {

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class StationServices {
public:
    explicit StationServices(DriveMap drives) : files_(std::move(drives)) {}
    virtual ~StationServices() = default;
    StationServices(const StationServices&) = delete;
    StationServices& operator=(const StationServices&) = delete;

    // Blocks for ms milliseconds: the window stays painted, takes no input, runs no tick.
    virtual void Pause(int ms) = 0;
    virtual DateTime Now() = 0;
    // Milliseconds on a clock that only moves forward (for waits measured by this station).
    virtual long long ElapsedMs();
    // The workstation clock in UTC (the receivers' time).
    virtual DateTime UtcNow() { return Now(); }
    // How long ago the file was last written, in milliseconds; -1 when there is no file.
    virtual long long FileAgeMs(const std::string& path);
    // "notepad PATH": starts the system's plain-text editor on the file.
    // Returns why it could not be started, or nothing when it was.
    virtual std::string Launch(const std::string& command) = 0;
    // Opens a document (a help page) with the desktop's viewer. Returns why it could not
    // be opened, or nothing when it was.
    virtual std::string OpenDocument(const std::string& path) { return Launch("open " + path); }
    // The folder of the operator's guide installed with the program (index.html and
    // html/<role>.html), empty when there is none.
    virtual std::string GuideFolder() { return {}; }
    // Ends the program at once.
    virtual void EndProgram() = 0;
    // Called while this station holds the lock of a shared file, after it read the file
    // and before it checks the lock and writes (the station simulator stops there).
    virtual void LockedChange(const std::string& sharedPath) { (void)sharedPath; }

    // The serial port of the main window, driven by the GPS serial window.
    virtual bool SerialOpen(int port, const std::string& settings) = 0;
    virtual void SerialClose() = 0;
    virtual bool SerialIsOpen() = 0;
    virtual std::string SerialRead() = 0;             // all pending input; empty when none
    virtual std::string SerialError() { return {}; }  // a port that vanished, once

    // The UDP navigation receiver on 127.0.0.1 (or all interfaces).
    virtual bool UdpListen(int port) = 0;
    virtual std::vector<std::string> UdpTake() = 0;

    FileSystem& Files() { return files_; }

private:
    FileSystem files_;
};

}  // namespace varnel
