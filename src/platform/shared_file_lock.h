// A lock file beside a shared one-line file ("EventNumber.txt.lock" beside
// "EventNumber.txt"), so that stations never read, change and write it at the same
// moment. The lock file is created in one atomic step (also on a network share) and
// holds who took it: host name and process. A station that finds it waits; a lock file
// that stays unchanged for the stale time was left by a station that crashed or lost
// the network, and is taken over (at once when it names this host and a process that
// no longer runs). The lock is removed when the guard goes out of scope.
#pragma once
#include <functional>
#include <string>

#include "platform/station_services.h"

namespace varnel {

inline constexpr int kLockStaleMs = 10000;  // far above the few milliseconds of a draw
inline constexpr int kLockPollMs = 100;

class SharedFileLock {
public:
    // Takes the lock for `sharedPath`, calling `waiting(holder)` while another station
    // holds it. Throws FileError when it cannot be taken (the folder is unreachable, or a
    // stale lock cannot be removed, or the lock changes hands for twice the stale time).
    SharedFileLock(StationServices& services, std::string sharedPath,
                   const std::function<void(const std::string&)>& waiting);
    ~SharedFileLock();
    SharedFileLock(const SharedFileLock&) = delete;
    SharedFileLock& operator=(const SharedFileLock&) = delete;

    const std::string& Path() const { return path_; }

private:
    StationServices& services_;
    std::string path_;
};

// Who this station is, as written into its lock files: "HOST pid N".
std::string LockOwnerText();

}  // namespace varnel
