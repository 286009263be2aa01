// varnelgps-navsim: a simulated ship for demos and tests. It sails a straight track
// across the survey grid and emits NMEA GGA, RMC and ZDA sentences at a chosen
// rate to a current-position file, a serial device (one end of a pseudo-terminal
// pair) or a UDP port on 127.0.0.1.
//
//   varnelgps-navsim [--file PATH] [--serial DEVICE] [--udp PORT] [--rate-ms N]
//                    [--count N] [--lat DEG] [--lon DEG] [--course DEG] [--knots K]
//                    [--talker GN] [--fix Q] [--frozen-time] [--bad-checksum-every N]
// --talker: the sentences' talker (GP, GN, GL ...); --fix: the GGA fix quality (0: no
// fix); --frozen-time: every sentence carries the start time (a receiver whose clock
// stands still); --bad-checksum-every N: every Nth sentence has a wrong checksum.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>

#include "nmea_sentences.h"

int main(int argc, char** argv) {
    varnel::sim::Receiver receiver;
    bool frozen = false;
    long badEvery = 0, sent = 0;
    const std::time_t start = std::time(nullptr);
    std::string file, serial;
    int udpPort = 0, rateMs = 1000;
    long count = 0;
    double lat = 32.95, lon = -117.35, course = 250.0, knots = 10.0;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string a = argv[i], v = argv[i + 1];
        if (a == "--file")
            file = v;
        else if (a == "--serial")
            serial = v;
        else if (a == "--udp")
            udpPort = std::atoi(v.c_str());
        else if (a == "--rate-ms")
            rateMs = std::max(10, std::atoi(v.c_str()));
        else if (a == "--count")
            count = std::atol(v.c_str());
        else if (a == "--lat")
            lat = std::atof(v.c_str());
        else if (a == "--lon")
            lon = std::atof(v.c_str());
        else if (a == "--course")
            course = std::atof(v.c_str());
        else if (a == "--talker")
            receiver.talker = v;
        else if (a == "--fix")
            receiver.fixQuality = std::atoi(v.c_str());
        else if (a == "--frozen-time")
            frozen = v != "0";
        else if (a == "--bad-checksum-every")
            badEvery = std::atol(v.c_str());
        else if (a == "--knots")
            knots = std::atof(v.c_str());
        else {
            std::fprintf(stderr, "unknown option %s\n", a.c_str());
            return 2;
        }
    }
    if (file.empty() && serial.empty() && udpPort == 0) {
        std::fprintf(stderr,
                     "usage: varnelgps-navsim [--file PATH] [--serial DEVICE] [--udp PORT] [--rate-ms N] "
                     "[--count N] [--lat DEG] [--lon DEG] [--course DEG] [--knots K] [--talker GN] [--fix Q] "
                     "[--frozen-time 1] [--bad-checksum-every N]\n");
        return 2;
    }
    int serialFd = -1;
    if (!serial.empty()) {
        serialFd = ::open(serial.c_str(), O_WRONLY | O_NOCTTY);
        if (serialFd < 0) {
            std::perror(serial.c_str());
            return 1;
        }
    }
    int udpFd = -1;
    sockaddr_in to{};
    if (udpPort > 0) {
        udpFd = ::socket(AF_INET, SOCK_DGRAM, 0);
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<uint16_t>(udpPort));
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    }
    for (long n = 0; count == 0 || n < count; ++n) {
        std::time_t now = frozen ? start : std::time(nullptr);
        std::tm utc{};
        gmtime_r(&now, &utc);
        std::string block = varnel::sim::Sentences(utc, lat, lon, knots, course, receiver);
        // Line noise: the checksum of every Nth sentence is damaged.
        for (size_t at = 0, star; badEvery > 0 && (star = block.find('*', at)) != std::string::npos; at = star + 1)
            if (++sent % badEvery == 0) block[star + 1] = block[star + 1] == '0' ? '1' : '0';
        if (!file.empty()) {
            std::string tmp = file + ".navsim";
            if (FILE* f = std::fopen(tmp.c_str(), "wb")) {
                std::fwrite(block.data(), 1, block.size(), f);
                std::fclose(f);
                std::rename(tmp.c_str(), file.c_str());
            }
        }
        if (serialFd >= 0 && ::write(serialFd, block.data(), block.size()) < 0) {
            std::perror("serial write");
            return 1;
        }
        if (udpFd >= 0) ::sendto(udpFd, block.data(), block.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
        // Sail on: nautical miles per interval along the course.
        double nm = knots * rateMs / 3600000.0;
        double rad = course * M_PI / 180.0;
        lat += nm * std::cos(rad) / 60.0;
        lon += nm * std::sin(rad) / (60.0 * std::cos(lat * M_PI / 180.0));
        std::this_thread::sleep_for(std::chrono::milliseconds(rateMs));
    }
    if (serialFd >= 0) ::close(serialFd);
    if (udpFd >= 0) ::close(udpFd);
    return 0;
}
