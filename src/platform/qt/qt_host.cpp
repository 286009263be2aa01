#include "platform/qt/qt_host.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSerialPort>
#include <QTimer>
#include <QUdpSocket>
#include <QUrl>

#include "platform/numbers.h"
#include "platform/qt/codepage.h"
#include "platform/strings.h"

namespace varnel {

QtHost::QtHost(DriveMap drives) : Host(std::move(drives)) {}

QWidget* QtHost::AskingWindow() const {
    // The window the operator works in (the main window, an editor, the GPS window);
    // the main window when none of the program's windows is active.
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : dialogParent;
}
QtHost::~QtHost() = default;

Answer QtHost::MsgBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title,
                      Answer defaultAnswer) {
    if (refresh) refresh();
    QMessageBox box(AskingWindow());
    box.setWindowTitle(title.empty() ? QStringLiteral("VarnelGPS") : ToQt(title));
    box.setText(ToQt(prompt));
    switch (icon) {
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
        case Icon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::None:
            break;
    }
    if (buttons == Buttons::Ok)
        box.setStandardButtons(QMessageBox::Ok);
    else if (buttons == Buttons::YesNo)
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    else
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (buttons != Buttons::Ok) {
        box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    // Modal to the window that asks and raised above it once shown, also where no window
    // manager stacks a child over its parent.
    box.setWindowModality(Qt::ApplicationModal);
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    int r = box.exec();
    if (r == QMessageBox::Yes) return Answer::Yes;
    if (r == QMessageBox::No) return Answer::No;
    if (r == QMessageBox::Cancel) return Answer::Cancel;
    return Answer::Ok;
}

void QtHost::Pause(int ms) {
    if (refresh) refresh();
    pausing_ = true;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    pausing_ = false;
}

DateTime QtHost::Now() {
    QDateTime n = QDateTime::currentDateTime();
    return {n.date().year(), n.date().month(), n.date().day(), n.time().hour(), n.time().minute(), n.time().second()};
}

DateTime QtHost::UtcNow() {
    QDateTime n = QDateTime::currentDateTimeUtc();
    return {n.date().year(), n.date().month(), n.date().day(), n.time().hour(), n.time().minute(), n.time().second()};
}

std::optional<std::string> QtHost::OpenFileDialog(const std::string& folder) {
    if (refresh) refresh();
    QString p = QFileDialog::getOpenFileName(AskingWindow(), QString(), ToQt(Files().Native(folder)));
    if (p.isEmpty()) return std::nullopt;
    return ProgramPath(Files().Drives(), FromQt(p));
}

std::optional<std::string> QtHost::SaveFileDialog(const std::string& folder) {
    if (refresh) refresh();
    QString p = QFileDialog::getSaveFileName(AskingWindow(), QString(), ToQt(Files().Native(folder)));
    if (p.isEmpty()) return std::nullopt;
    return ProgramPath(Files().Drives(), FromQt(p));
}

std::string QtHost::Launch(const std::string& command) {
    // "notepad PATH": $VISUAL, else $EDITOR in a terminal, else the desktop's editor.
    std::string path = command.rfind("notepad ", 0) == 0 ? command.substr(8) : command;
    QString native = ToQt(Files().Native(path));
    QString visual = qEnvironmentVariable("VISUAL");
    QString editor = qEnvironmentVariable("EDITOR");
    if (!visual.isEmpty())
        return QProcess::startDetached(visual, {native}) ? "" : "$VISUAL (" + FromQt(visual) + ") could not be started";
    if (!editor.isEmpty())
        return QProcess::startDetached(QStringLiteral("x-terminal-emulator"), {QStringLiteral("-e"), editor, native})
                   ? ""
                   : "no terminal (x-terminal-emulator) could be started for $EDITOR (" + FromQt(editor) + ")";
    return QDesktopServices::openUrl(QUrl::fromLocalFile(native))
               ? ""
               : "neither VISUAL nor EDITOR is set and the desktop has no text editor for it";
}

std::string QtHost::OpenDocument(const std::string& path) {
    // xdg-open returns at once when the browser is handed the page and with an error
    // when the browser fails (one that refuses to run as root, none installed). A browser
    // still running after two seconds has taken the page.
    auto* open = new QProcess(this);
    open->start(QStringLiteral("xdg-open"), {QUrl::fromLocalFile(ToQt(Files().Native(path))).toString()});
    if (!open->waitForStarted(2000)) {
        delete open;
        return "xdg-open could not be started";
    }
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    QObject::connect(open, &QProcess::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (open->state() != QProcess::NotRunning) {
        QObject::connect(open, &QProcess::finished, open, &QObject::deleteLater);
        return {};
    }
    bool opened = open->exitStatus() == QProcess::NormalExit && open->exitCode() == 0;
    QString said = QString::fromLocal8Bit(open->readAllStandardError()).trimmed().section(QLatin1Char('\n'), 0, 0);
    delete open;
    if (opened) return {};
    return "the browser did not start" + (said.isEmpty() ? std::string() : " (" + FromQt(said) + ")");
}

// Installed: <prefix>/bin/varnelgps beside <prefix>/share/varnelgps/help. Run from a
// build folder: the source tree's help folder.
std::string QtHost::GuideFolder() {
    QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/varnelgps/help");
    if (QFileInfo::exists(installed + QStringLiteral("/index.html")))
        return QFileInfo(installed).canonicalFilePath().toStdString();
#ifdef VARNEL_SOURCE_HELP
    if (QFileInfo::exists(QStringLiteral(VARNEL_SOURCE_HELP "/index.html"))) return VARNEL_SOURCE_HELP;
#endif
    return {};
}

void QtHost::EndProgram() {
    ended_ = true;
    QCoreApplication::exit(0);
}

bool ApplySerialSettings(QSerialPort& port, const std::string& settings) {
    std::vector<std::string> f = SplitAtCommas(settings);
    f.resize(4);
    int baud = static_cast<int>(Val(f[0]));
    if (baud <= 0) return false;
    port.setBaudRate(baud);
    port.setParity(UCase(Trim(f[1])) == "E" ? QSerialPort::EvenParity : QSerialPort::NoParity);
    port.setDataBits(Val(f[2]) == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
    port.setStopBits(Val(f[3]) == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

bool QtHost::SerialOpen(int port, const std::string& settings) {
    serial_ = std::make_unique<QSerialPort>();
    serial_->setPortName(QString::fromStdString(SerialDevice(port)));
    if (!ApplySerialSettings(*serial_, settings)) return false;
    serialError_.clear();
    QObject::connect(serial_.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ReadError || e == QSerialPort::ResourceError) {
            if (serialError_.empty() && serial_) serialError_ = FromQt(serial_->errorString());
            if (serial_ && serial_->isOpen()) serial_->close();
        }
    });
    if (!serial_->open(QIODevice::ReadOnly)) return false;
    serial_->clear(QSerialPort::Input);
    return true;
}

void QtHost::SerialClose() {
    if (serial_ && serial_->isOpen()) serial_->close();
}

bool QtHost::SerialIsOpen() {
    return serial_ && serial_->isOpen();
}

std::string QtHost::SerialRead() {
    if (!serial_ || !serial_->isOpen()) return {};
    QByteArray b = serial_->readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

std::string QtHost::SerialError() {
    std::string e;
    e.swap(serialError_);
    return e;
}

bool QtHost::UdpListen(int port) {
    udp_ = std::make_unique<QUdpSocket>();
    if (!udp_->bind(QHostAddress::AnyIPv4, static_cast<quint16>(port))) return false;
    // Room for a burst between two ticks.
    udp_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4 * 1024 * 1024);
    QObject::connect(udp_.get(), &QUdpSocket::readyRead, this, [this] {
        while (udp_->hasPendingDatagrams()) {
            QNetworkDatagram d = udp_->receiveDatagram(65536);
            QByteArray b = d.data();
            if (datagrams_.size() >= 1000) datagrams_.pop_front();  // keep the newest
            datagrams_.emplace_back(b.constData(), static_cast<size_t>(b.size()));
        }
    });
    return true;
}

std::vector<std::string> QtHost::UdpTake() {
    std::vector<std::string> v(datagrams_.begin(), datagrams_.end());
    datagrams_.clear();
    return v;
}

}  // namespace varnel
