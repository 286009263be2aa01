// The cruise event logger: one station's program. It takes no command-line
// arguments; the station is set up by C:\VarnelGPS\VarnelGPS.cfg under the drive
// root ($VARNELGPS_DRIVES).
#include <QApplication>
#include <QTimer>

#include "app/views/station_views.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VarnelGPS"));
    varnel::views::StationViews station(varnel::DriveMap::FromEnvironment());
    QTimer::singleShot(0, [&station] { station.Start(); });
    return QApplication::exec();
}
