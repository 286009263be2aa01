// A lock file beside a shared one-line file ("EventNumber.txt.lock" beside
// "EventNumber.txt"), so that stations never read, change and write it at the same
// moment. The lock file is created in one atomic step (also on a network share) and
// holds a token of this acquisition: host name, process and a part that never repeats.
// A station that finds it waits; a lock file that stays unchanged for the stale time
// was left by a station that crashed, lost the network or was stopped, and is taken
// over (at once when it names this host and a process that no longer runs). Taking
// over is one rename that only one waiter can win. The holder writes only while the
// lock still carries its token (it is fenced): a holder that was stopped and taken
// over writes nothing. The lock is removed when the guard goes out of scope, and only
// while it still carries the guard's token.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/station_services.h"

namespace varnel {

inline constexpr int kLockStaleMs = 10000;  // far above the few milliseconds of a draw
inline constexpr int kLockPollMs = 100;
inline constexpr int kLockLostRetries = 20;  // fenced writes refused before the change gives up

// Called while another station holds the lock: who holds it ("HOST pid N").
using LockWaiting = std::function<void(const std::string& holder)>;

class SharedFileLock {
public:
    // Takes the lock for `sharedPath`, calling `waiting(holder)` while another station
    // holds it. Throws FileError when it cannot be taken (the folder is unreachable, or a
    // stale lock cannot be removed, or the lock changes hands for twice the stale time).
    SharedFileLock(StationServices& services, std::string sharedPath, const LockWaiting& waiting);
    ~SharedFileLock();
    SharedFileLock(const SharedFileLock&) = delete;
    SharedFileLock& operator=(const SharedFileLock&) = delete;

    const std::string& Path() const { return path_; }
    const std::string& Token() const { return token_; }
    // Whether the lock file still carries this guard's token.
    bool Holds();
    // A holder that has held the lock for half the stale time writes its token again,
    // so that waiting stations see it alive and do not take it over.
    void KeepFresh();
    // Replaces `target` with `text` only while the lock carries this guard's token: the
    // check is made with the new bytes on disk, just before the one rename that puts
    // them in place. False when the lock was lost: nothing is written.
    bool Replace(const std::string& target, const std::string& text);

private:
    StationServices& services_;
    std::string path_;
    std::string token_;
    long long freshAt_ = 0;
};

// Changes the shared file under its lock: `change` reads it and returns its new bytes
// (nothing: it stays as it is), which are written fenced. When the lock was lost
// meanwhile, nothing is written and the change starts again under a new lock. Returns
// what was written. Throws FileError when the lock cannot be had.
std::optional<std::string> ChangeUnderLock(StationServices& services, const std::string& sharedPath,
                                           const LockWaiting& waiting,
                                           const std::function<std::optional<std::string>()>& change);

// Takes over the lock file at `lockPath` found stale as `staleStamp` (FileSystem::Stamp):
// it is renamed to a name of this station's own, and of all the waiters that found it
// only the first rename finds it. What was renamed is checked to be the stale lock
// itself (its bytes and time); a fresh lock another waiter created meanwhile is put back
// as it was, so its holder keeps it. True when the stale lock is gone by this station's
// hand and the lock may be created afresh.
bool TakeOverStaleLock(FileSystem& files, const std::string& lockPath, const std::string& staleStamp);

// Who this station is, as written into its lock files: "HOST pid N".
std::string LockOwnerText();

}  // namespace varnel
