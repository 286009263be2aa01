// The real serial port and the real UDP socket: a pseudo-terminal pair made with
// socat carries the simulated ship's NMEA into QSerialPort, and datagrams on
// 127.0.0.1 reach the navigation tick.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>
#include <fstream>

#include "../gui/station_files.h"
#include "app/views/station_views.h"
#include "events/recording.h"
#include "nav/comm_check.h"
#include "station/station_tick.h"

using namespace varnel;

namespace {

void AnswerBoxes(QMessageBox::StandardButton button, int tries = 200) {
    QTimer::singleShot(50, [=] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (auto* b = box->button(button))
                b->click();
            else if (auto* ok = box->button(QMessageBox::Ok))
                ok->click();
        }
        if (tries > 0) AnswerBoxes(button, tries - 1);
    });
}

}  // namespace

using namespace varnel::testing;

class DeviceTest : public QObject {
    Q_OBJECT

private slots:
    void simulatedShipThroughAPseudoTerminal() {
        QTemporaryDir dir;
        const QString a = dir.path() + "/gpsA", b = dir.path() + "/gpsB";
        QProcess socat;
        socat.start(QStringLiteral("socat"),
                    {QStringLiteral("pty,raw,echo=0,link=") + a, QStringLiteral("pty,raw,echo=0,link=") + b});
        if (!socat.waitForStarted(5000)) QSKIP("socat is not installed");
        QTRY_VERIFY(QFileInfo::exists(a) && QFileInfo::exists(b));
        qputenv("VARNELGPS_COM1", a.toLocal8Bit());
        WriteStation(dir.path(), {{11, "GPS"}, {12, "1"}});
        views::StationViews station(Drives(dir.path()));
        AnswerBoxes(QMessageBox::Ok);
        station.Start();
        Workstation& w = station.Station();
        QVERIFY(w.frmCommCheck.visible);
        QVERIFY(!w.frmActivity.visible);
        station.Act([&] { btnGo_Click(w); });  // reader first, then the ship
        QCOMPARE(w.frmCommCheck.btnGo.caption, std::string("Stop"));
        QProcess ship;
        ship.start(QCoreApplication::applicationDirPath() + "/../tools/varnelgps-navsim",
                   {"--serial", b, "--rate-ms", "200", "--lat", "32.95", "--lon", "-117.35", "--knots", "0", "--talker",
                    "GN"});
        QVERIFY(ship.waitForStarted(5000));
        const QString currPos = dir.path() + "/Q/0701/Events/CurrPos.txt";
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                station.Act([&] { CommCheck_Timer1_Timer(w); });
                QFile f(currPos);
                return f.open(QIODevice::ReadOnly) && f.readAll().startsWith("\"$GNGGA,");
            }(),
            10000);
        QVERIFY(w.frmCommCheck.txtDisplay.text.find("$GNZDA") != std::string::npos);
        station.Act([&] { CommCheck_Command2_Click(w); });  // Hide GPS
        QVERIFY(w.frmActivity.visible);
        station.Act([&] { Command1_Click(w, 0); });  // Start (no question: Go was pressed)
        station.Act([&] { Timer1_Timer(w); });
        QCOMPARE(w.frmActivity.Text1[3].text, std::string("32.95000"));
        QCOMPARE(w.frmActivity.Text1[4].text, std::string("-117.35000"));
        QCOMPARE(w.frmActivity.StatusBar1.panel[3], std::string("GPS Status: Good"));
        QVERIFY(!w.frmActivity.Text1[1].text.empty());
        QVERIFY(!w.frmActivity.CalcLine.empty());
        // The receiver goes away: reading stops cleanly and is reported once.
        ship.kill();
        ship.waitForFinished();
        socat.kill();
        socat.waitForFinished();
        AnswerBoxes(QMessageBox::Ok);
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                station.Act([&] { CommCheck_Timer1_Timer(w); });
                return w.frmCommCheck.reading == 0;
            }(),
            5000);
        QCOMPARE(w.frmCommCheck.btnGo.caption, std::string("Go"));
        qunsetenv("VARNELGPS_COM1");
    }

    void datagramsOnTheLoopback() {
        QTemporaryDir dir;
        const int port = 40000 + static_cast<int>(QCoreApplication::applicationPid() % 20000);
        WriteStation(dir.path(), {{11, "UDP"}, {12, QString::number(port)}});
        views::StationViews station(Drives(dir.path()));
        AnswerBoxes(QMessageBox::Ok);
        station.Start();
        Workstation& w = station.Station();
        station.Act([&] { CommCheck_Command2_Click(w); });
        station.Act([&] { Command1_Click(w, 0); });
        QUdpSocket out;
        auto send = [&](const QByteArray& d) {
            out.writeDatagram(d, QHostAddress::LocalHost, static_cast<quint16>(port));
        };
        send("NAV,05-Jul-2026,14:05:09,33.45,-117.78,");
        QTest::qWait(200);
        station.Act([&] { Timer1_Timer(w); });
        QCOMPARE(w.frmActivity.Text1[3].text, std::string("33.45000"));
        QCOMPARE(w.frmActivity.CalcLine, std::string("90.1"));
        send(
            "$GNGGA,150000.00,3254.000,N,11718.000,W,1,08,0.9,10.0,M,,,,*09\r\n"
            "$GNRMC,150000.00,A,3254.000,N,11718.000,W,0.0,0.0,060726,,,*1C\r\n");
        QTest::qWait(200);
        station.Act([&] { Timer1_Timer(w); });
        QCOMPARE(w.frmActivity.Text1[3].text, std::string("32.90000"));
        QCOMPARE(w.frmActivity.Text1[1].text, std::string("06-Jul-2026"));
    }
};

QTEST_MAIN(DeviceTest)
#include "device_test.moc"
