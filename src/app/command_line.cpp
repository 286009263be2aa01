#include "app/command_line.h"

#ifndef VARNEL_VERSION
#define VARNEL_VERSION "0"
#endif

namespace varnel {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    auto bad = [&](std::string why) {
        c.action = CommandLine::Action::Bad;
        c.problem = std::move(why);
        return c;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            c.action = CommandLine::Action::Help;
        } else if (a == "--version") {
            if (c.action == CommandLine::Action::Run) c.action = CommandLine::Action::Version;
        } else if (a == "--drives" || a.rfind("--drives=", 0) == 0) {
            std::string dir = a == "--drives" ? (i + 1 < args.size() ? args[++i] : "") : a.substr(9);
            if (dir.empty()) return bad("--drives needs a folder: --drives DIR");
            c.drives = dir;
        } else {
            return bad("unknown argument \"" + a + "\"");
        }
    }
    return c;
}

std::string HelpText() {
    return "Usage: varnelgps [--drives DIR]\n"
           "       varnelgps --help | --version\n"
           "\n"
           "VarnelGPS records the numbered events of a research cruise at one watch station\n"
           "(bridge, lab, net and instrument watches, marine-mammal watch). Each event is\n"
           "stamped with the ship's UTC time and position, the survey-grid line and station,\n"
           "the operator, the cruise and an activity, and is written to the station's own\n"
           "logs and to the cruise's shared folder, where the other stations follow along.\n"
           "\n"
           "Options:\n"
           "  --drives DIR  the folder that holds the drives of the ship's paths: C:\\VarnelGPS\\\n"
           "                is DIR/C/VarnelGPS, Q:\\0701\\Events\\ is DIR/Q/0701/Events\n"
           "                (instead of $VARNELGPS_DRIVES)\n"
           "  --version     print the version and exit\n"
           "  -h, --help    print this help and exit\n"
           "\n"
           "Files:\n"
           "  The station's home folder C:\\VarnelGPS\\ holds the configuration VarnelGPS.cfg,\n"
           "  the event lists, the initials, the line and station lists, Deployments.txt and\n"
           "  the local event logs. A station started for the first time is set up there with a\n"
           "  starter configuration (Config - Edit varnel.cfg changes it). The cruise's shared\n"
           "  folder is named in the configuration.\n"
           "\n"
           "Environment:\n"
           "  VARNELGPS_DRIVES  the drive folder (default ~/.local/share/varnelgps/drives)\n"
           "  VARNELGPS_COM<n>  the device of serial port n (default /dev/ttyS<n-1>),\n"
           "                    for example VARNELGPS_COM1=/dev/ttyUSB0\n"
           "  VISUAL, EDITOR    the text editor of Edit Line or Sta Files\n"
           "  QT_QPA_PLATFORM   the window system (xcb, wayland, offscreen)\n"
           "\n"
           "The operator's guide: F1 in the program, or the help folder installed with it.\n"
           "After a cruise, varnelgps-report turns the shared cruise log into one HTML report.\n";
}

std::string VersionText() {
    return std::string("varnelgps ") + VARNEL_VERSION + "\n";
}

}  // namespace varnel
