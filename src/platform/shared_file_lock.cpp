#include "platform/shared_file_lock.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace varnel {

namespace {

// A lock taken on this host by a process that no longer runs is stale at once.
bool HolderIsGone(const std::string& holder) {
    const std::string mine = LockOwnerText();
    auto at = holder.rfind(" pid ");
    if (at == std::string::npos || holder.substr(0, at) != mine.substr(0, mine.rfind(" pid "))) return false;
    long pid = std::atol(holder.c_str() + at + 5);
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string LockOwnerText() {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
    return std::string(host[0] ? host : "unknown") + " pid " + std::to_string(::getpid());
}

SharedFileLock::SharedFileLock(StationServices& services, std::string sharedPath,
                               const std::function<void(const std::string&)>& waiting)
    : services_(services), path_(std::move(sharedPath) + ".lock") {
    auto& files = services.Files();
    const long long start = services.ElapsedMs();
    std::string seen;
    long long seenSince = start;
    while (!files.CreateExclusive(path_, LockOwnerText() + "\r\n")) {
        const long long now = services.ElapsedMs();
        std::string stamp = files.Stamp(path_);
        if (stamp.empty()) continue;  // released between the two looks
        std::string holder = stamp.substr(stamp.find(':') + 1);
        while (!holder.empty() && (holder.back() == '\n' || holder.back() == '\r')) holder.pop_back();
        if (stamp != seen) {
            seen = stamp;
            seenSince = now;
        }
        if (now - seenSince >= kLockStaleMs || HolderIsGone(holder)) {
            files.Remove(path_);  // left by a station that is gone: take it over
            continue;
        }
        if (now - start >= 2 * kLockStaleMs) throw FileError("The lock " + path_ + " stays taken by other stations");
        if (waiting) waiting(holder);
        services.Pause(kLockPollMs);
    }
}

SharedFileLock::~SharedFileLock() {
    try {
        services_.Files().Remove(path_);
    } catch (const FileError&) {
        // a lock that cannot be removed now goes stale and is taken over later
    }
}

}  // namespace varnel
