// Host for tests and the scenario runner: answers from a queue, every message
// recorded, a fake clock that pauses advance at once, serial and UDP input fed by
// the test, and file faults per path through FileSystem::InjectFault.
#pragma once
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"

namespace varnel {

struct UnexpectedQuestion : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct RecordedMessage {
    std::string prompt, title;
    Buttons buttons;
    Icon icon;
    Answer answer;
    Answer defaultAnswer;
};

class HeadlessHost : public Host {
public:
    // Its disks report no free space, so that a message about a failing disk reads the
    // same on every machine.
    explicit HeadlessHost(DriveMap drives) : Host(std::move(drives)) { Files().SimulateFreeSpace(0); }

    Answer MsgBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title,
                  Answer defaultAnswer) override;
    void Pause(int ms) override { Advance(ms); }
    DateTime Now() override { return clock_; }
    long long ElapsedMs() override { return elapsedMs_; }
    // Files the test wrote are as old as the fake clock says; others as the disk says.
    long long FileAgeMs(const std::string& path) override {
        auto it = written.find(Files().Native(path));
        return it == written.end() ? StationServices::FileAgeMs(path) : elapsedMs_ - it->second;
    }
    std::map<std::string, long long> written;  // native path: ElapsedMs when the test wrote it
    std::optional<std::string> OpenFileDialog(const std::string& folder) override;
    std::optional<std::string> SaveFileDialog(const std::string& folder) override;
    std::string Launch(const std::string& command) override {
        launched.push_back(command);
        return std::exchange(launchFailure, {});
    }
    void EndProgram() override { ended = true; }
    // The guide of a test station lives on drive G: (created by the script when wanted).
    std::string GuideFolder() override { return "G:\\varnelgps\\help"; }

    bool SerialOpen(int port, const std::string& settings) override;
    void SerialClose() override { serialOpen = false; }
    bool SerialIsOpen() override { return serialOpen; }
    std::string SerialRead() override;

    bool UdpListen(int port) override {
        udpPort = port;
        return true;
    }
    std::vector<std::string> UdpTake() override;

    void SetClock(const DateTime& t) {
        clock_ = t;
        subMs_ = 0;
    }
    void Advance(long long ms);

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> picks;
    std::vector<RecordedMessage> messages;
    size_t checkedMessages = 0;
    std::vector<std::string> launched;
    size_t checkedLaunches = 0;
    std::string launchFailure;  // the next launch fails with this reason
    bool ended = false;

    bool serialOpen = false;
    bool serialFailNextOpen = false;
    int serialPort = 0;
    std::string serialSettings;
    std::string serialPending;
    int udpPort = 0;
    std::vector<std::string> udpPending;

private:
    DateTime clock_{2026, 1, 1, 0, 0, 0};
    long long subMs_ = 0;
    long long elapsedMs_ = 0;
};

}  // namespace varnel
