// CfgLines: the 20 configuration values, slots 1 to 20, all empty at program start.
// A plain value type, so the state of the windows holds it without the reader.
// The program reads a value by what it holds (Cruise(), SamplingRate(), ...); the
// reader, the writer and the configuration editor walk the lines by number.
#pragma once
#include <array>
#include <string>
#include <utility>

namespace varnel {

// The line of the configuration file that holds each value.
enum class CfgLine {
    Project = 1,              // the project, shown first in the window's caption
    Cruise = 2,               // the cruise ("Study"), shown in the cruise box
    DataDirectory = 3,        // the cruise's shared folder, with its closing "\"
    NavDirectory = 4,         // the folder of the current-position file
    EventListFile = 5,        // the role's event list in the home folder
    InitialsFile = 6,         // the watch-standers' initials in the home folder
    EventNumberFile = 7,      // the event-number file, in the shared and the home folder
    PositionFile = 8,         // the current-position file
    SamplingRate = 9,         // milliseconds between two readings of the navigation
    NetworkOrLocal = 10,      // NETWORK or LOCAL
    NavSourceWord = 11,       // the navigation source (see ParseNavSource)
    ComPort = 12,             // the serial port's number; the UDP port for source UDP
    ComSettings = 13,         // the serial settings, "4800,n,8,1"
    PrimarySentence = 14,     // the NMEA sentence that gives the position ("$GPGGA")
    SecondSentence = 15,      // the sentence that gives the date ("$GPRMC")
    LineStationMethod = 16,   // STANDARD, CALCULATE or SELECT
    PreloadMode = 17,         // which earlier events the grid loads at start-up
    CommentOptionsFile = 18,  // the comment options in the home folder
    EventNumberScheme = 19,   // JULIAN or NUMERIC
    EventModes = 20,          // MULTI or SINGLE selection, LONG or SHORT Julian numbers
};

struct CfgLines {
    std::array<std::string, 21> slot{};  // slot 0 unused
    std::string& operator[](int n) { return slot.at(static_cast<size_t>(n)); }
    const std::string& operator[](int n) const { return slot.at(static_cast<size_t>(n)); }
    std::string& operator[](CfgLine l) { return (*this)[static_cast<int>(l)]; }
    const std::string& operator[](CfgLine l) const { return (*this)[static_cast<int>(l)]; }

    const std::string& Project() const { return (*this)[CfgLine::Project]; }
    const std::string& Cruise() const { return (*this)[CfgLine::Cruise]; }
    const std::string& DataDirectory() const { return (*this)[CfgLine::DataDirectory]; }
    const std::string& NavDirectory() const { return (*this)[CfgLine::NavDirectory]; }
    const std::string& EventListFile() const { return (*this)[CfgLine::EventListFile]; }
    const std::string& InitialsFile() const { return (*this)[CfgLine::InitialsFile]; }
    const std::string& EventNumberFile() const { return (*this)[CfgLine::EventNumberFile]; }
    const std::string& PositionFile() const { return (*this)[CfgLine::PositionFile]; }
    const std::string& SamplingRate() const { return (*this)[CfgLine::SamplingRate]; }
    const std::string& NetworkOrLocal() const { return (*this)[CfgLine::NetworkOrLocal]; }
    const std::string& NavSourceWord() const { return (*this)[CfgLine::NavSourceWord]; }
    const std::string& ComPort() const { return (*this)[CfgLine::ComPort]; }
    const std::string& ComSettings() const { return (*this)[CfgLine::ComSettings]; }
    const std::string& PrimarySentence() const { return (*this)[CfgLine::PrimarySentence]; }
    const std::string& SecondSentence() const { return (*this)[CfgLine::SecondSentence]; }
    const std::string& LineStationMethod() const { return (*this)[CfgLine::LineStationMethod]; }
    const std::string& PreloadMode() const { return (*this)[CfgLine::PreloadMode]; }
    const std::string& CommentOptionsFile() const { return (*this)[CfgLine::CommentOptionsFile]; }
    const std::string& EventNumberScheme() const { return (*this)[CfgLine::EventNumberScheme]; }
    const std::string& EventModes() const { return (*this)[CfgLine::EventModes]; }

    // The values the running program changes (and may save with WriteConfiguration).
    void SetEventListFile(std::string v) { (*this)[CfgLine::EventListFile] = std::move(v); }
    void SetComPort(std::string v) { (*this)[CfgLine::ComPort] = std::move(v); }
    void SetComSettings(std::string v) { (*this)[CfgLine::ComSettings] = std::move(v); }
    void SetLineStationMethod(std::string v) { (*this)[CfgLine::LineStationMethod] = std::move(v); }
    void SetPreloadMode(std::string v) { (*this)[CfgLine::PreloadMode] = std::move(v); }
};

}  // namespace varnel
