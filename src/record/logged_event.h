// One logged event: every column of a cruise-log line, as text exactly as it is (or
// will be) logged, with the typed readings of the columns that have a type. The text
// is what the files hold byte for byte; the typed readings are what the report, the
// deployments strip and the grid reason with.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

struct LoggedEvent {
    std::string cruise;
    std::string number;             // the event number as logged ("12", "186.1405", or typed by hand)
    std::string stndLine, stndSta;  // the line and station boxes: standard or selected
    std::string calcLine, calcSta;  // computed from the position
    std::string dateLoc, timeLoc;   // the station's clock when the event was saved
    // The position as the shared files, the role logs and the exchange files log it
    // (the displayed boxes, five decimals) ...
    std::string lat, lon;
    // ... and as the local cruise log and the HTML tables log it (six decimals). A line
    // read back carries one position: both pairs hold it.
    std::string latPrecise, lonPrecise;
    std::string activity;  // the activity class of the event name
    std::string event;     // the event name
    std::string operatorInitials;
    std::string dateUtc, timeUtc;  // the navigation's UTC date and time
    // The comments, as typed (a comma typed into a comment adds a column to the line;
    // Clear Last leaves "erase previous event" here on the operator's next event).
    std::string comments;
    std::string ordOcc;  // the order of occupation
    // The navigation suffix of a cruise-log line: one column per MET item written
    // (items 1 to 111 always, later ones when not blank). Empty on role-log lines.
    std::vector<std::string> navigation;
    // How many comma-separated columns the line it was read from had (0 for an event
    // made on this station); a line cut short has fewer than the form writes.
    size_t columnsRead = 0;

    // The event number as a whole number; nothing when the text is not one ("4a").
    std::optional<long long> Number() const;
    // Latitude and longitude in degrees (west negative); nothing when not a number.
    std::optional<double> Latitude() const;
    std::optional<double> Longitude() const;
    // UTC seconds since 1970 of the UTC date and time; nothing when either is unreadable.
    std::optional<long long> UtcSeconds() const;
    // Whether the comments carry the note that Clear Last leaves on the next event.
    bool ErasesPrevious() const;
};

// UTC seconds of a log's UTC date ("05-Jul-2007", "2007-07-05" or "07/05/2007") and
// time ("14:05:09"); nothing when either cannot be read.
std::optional<long long> UtcSeconds(std::string_view date, std::string_view time);
// Whether comments carry the note Clear Last leaves on the operator's next event.
bool ErasesPrevious(std::string_view comments);

}  // namespace varnel
