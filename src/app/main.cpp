// The cruise event logger: one station's program. The station is set up by
// C:\VarnelGPS\VarnelGPS.cfg under the drive root ($VARNELGPS_DRIVES or --drives DIR).
// The arguments are read before the window system is opened, so --help and --version
// answer on a machine without a display.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <filesystem>

#include "app/command_line.h"
#include "app/views/station_views.h"

int main(int argc, char** argv) {
    using varnel::CommandLine;
    const CommandLine cmd = varnel::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (cmd.action) {
        case CommandLine::Action::Help:
            std::fputs(varnel::HelpText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::fputs(varnel::VersionText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Bad:
            std::fprintf(stderr, "varnelgps: %s\n\n%s", cmd.problem.c_str(), varnel::HelpText().c_str());
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    varnel::DriveMap drives = varnel::DriveMap::FromEnvironment();
    if (!cmd.drives.empty()) drives.root = std::filesystem::absolute(cmd.drives).lexically_normal().string();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VarnelGPS"));
    QApplication::setApplicationVersion(QStringLiteral(VARNEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("varnelgps"));
    varnel::views::StationViews station(drives);
    QTimer::singleShot(0, [&station] { station.Start(); });
    return QApplication::exec();
}
