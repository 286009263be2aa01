#include "platform/headless/headless_host.h"

#include "platform/datetime.h"

namespace varnel {

Answer HeadlessHost::MsgBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title,
                            Answer defaultAnswer) {
    Answer a = Answer::Ok;
    if (buttons != Buttons::Ok) {
        if (answers.empty()) throw UnexpectedQuestion(prompt);
        a = answers.front();
        answers.pop_front();
    }
    messages.push_back({prompt, title, buttons, icon, a, buttons == Buttons::Ok ? Answer::Ok : defaultAnswer});
    return a;
}

std::optional<std::string> HeadlessHost::OpenFileDialog(const std::string&) {
    if (picks.empty()) return std::nullopt;
    auto p = picks.front();
    picks.pop_front();
    return p;
}

std::optional<std::string> HeadlessHost::SaveFileDialog(const std::string& folder) {
    return OpenFileDialog(folder);
}

bool HeadlessHost::SerialOpen(int port, const std::string& settings) {
    if (serialFailNextOpen) {
        serialFailNextOpen = false;
        return false;
    }
    serialPort = port;
    serialSettings = settings;
    serialOpen = true;
    return true;
}

std::string HeadlessHost::SerialRead() {
    if (!serialOpen) return {};
    std::string s;
    s.swap(serialPending);
    return s;
}

std::vector<std::string> HeadlessHost::UdpTake() {
    std::vector<std::string> v;
    v.swap(udpPending);
    return v;
}

void HeadlessHost::Advance(long long ms) {
    clock_ = AddMilliseconds(clock_, ms, &subMs_);
    elapsedMs_ += ms;
}

}  // namespace varnel
