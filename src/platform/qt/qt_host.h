// Host on Qt: message boxes, pauses that keep the window painted, file dialogs,
// the text editor, QSerialPort on the COM mapping, and a QUdpSocket receiver.
#pragma once
#include <QObject>
#include <deque>
#include <functional>
#include <memory>

#include "platform/host.h"

class QSerialPort;
class QUdpSocket;
class QWidget;

namespace varnel {

class QtHost : public QObject, public Host {
public:
    explicit QtHost(DriveMap drives);
    ~QtHost() override;

    Answer MsgBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title,
                  Answer defaultAnswer) override;
    void Pause(int ms) override;
    DateTime Now() override;
    DateTime UtcNow() override;
    std::optional<std::string> OpenFileDialog(const std::string& folder) override;
    std::optional<std::string> SaveFileDialog(const std::string& folder) override;
    std::string Launch(const std::string& command) override;
    std::string GuideFolder() override;
    std::string OpenDocument(const std::string& path) override;
    void EndProgram() override;

    bool SerialOpen(int port, const std::string& settings) override;
    void SerialClose() override;
    bool SerialIsOpen() override;
    std::string SerialRead() override;
    std::string SerialError() override;

    bool UdpListen(int port) override;
    std::vector<std::string> UdpTake() override;

    // Called before every message box and during pauses, so the operator sees the
    // state the logic has reached.
    std::function<void()> refresh;
    QWidget* dialogParent = nullptr;
    bool Pausing() const { return pausing_; }
    // The parent of a message box or file dialog: the program's active window, else dialogParent.
    QWidget* AskingWindow() const;
    bool Ended() const { return ended_; }

private:
    std::unique_ptr<QSerialPort> serial_;
    std::unique_ptr<QUdpSocket> udp_;
    std::deque<std::string> datagrams_;
    std::string serialError_;
    bool pausing_ = false;
    bool ended_ = false;
};

// "4800,n,8,1" -> baud, parity, data bits, stop bits applied to a port.
bool ApplySerialSettings(QSerialPort& port, const std::string& settings);

}  // namespace varnel
