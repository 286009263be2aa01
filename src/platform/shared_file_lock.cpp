#include "platform/shared_file_lock.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
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

// Never the same twice: the wall clock's nanoseconds and a count within the process.
std::string NeverRepeats() {
    static std::atomic<unsigned> count{0};
    const auto ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    return std::to_string(ns) + "." + std::to_string(++count);
}

// The holder as the operator reads it: the lock file's first line without the token's
// unique part.
std::string HolderOf(const std::string& stamp) {
    std::string holder = stamp.substr(stamp.find(':') + 1);
    holder = holder.substr(0, holder.find_first_of("\r\n"));
    return holder.substr(0, holder.find(" take "));
}

}  // namespace

std::string LockOwnerText() {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
    return std::string(host[0] ? host : "unknown") + " pid " + std::to_string(::getpid());
}

SharedFileLock::SharedFileLock(StationServices& services, std::string sharedPath, const LockWaiting& waiting)
    : services_(services), path_(std::move(sharedPath) + ".lock"), token_(LockOwnerText() + " take " + NeverRepeats()) {
    auto& files = services.Files();
    const long long start = services.ElapsedMs();
    std::string seen;
    long long seenSince = start;
    while (!files.CreateExclusive(path_, token_ + "\r\n")) {
        const long long now = services.ElapsedMs();
        std::string stamp = files.Stamp(path_);
        if (stamp.empty()) continue;  // released between the two looks
        if (stamp != seen) {
            seen = stamp;
            seenSince = now;
        }
        const std::string holder = HolderOf(stamp);
        if (now - seenSince >= kLockStaleMs || HolderIsGone(holder)) {
            TakeOverStaleLock(files, path_, stamp);
            continue;
        }
        if (now - start >= 2 * kLockStaleMs) throw FileError("The lock " + path_ + " stays taken by other stations");
        if (waiting) waiting(holder);
        services.Pause(kLockPollMs);
    }
    freshAt_ = services.ElapsedMs();
}

bool TakeOverStaleLock(FileSystem& files, const std::string& lockPath, const std::string& staleStamp) {
    std::string mine = LockOwnerText() + "." + NeverRepeats();
    for (char& c : mine)
        if (c == ' ') c = '-';
    const std::string aside = lockPath + "." + mine;
    if (!files.Rename(lockPath, aside)) return false;  // another waiter took it first
    const bool stale = files.Stamp(aside) == staleStamp;
    if (!stale) files.CreateExclusive(lockPath, files.ReadAll(aside));
    files.Remove(aside);
    return stale;
}

bool SharedFileLock::Holds() {
    try {
        return services_.Files().ReadAll(path_) == token_ + "\r\n";
    } catch (const FileError&) {
        return false;  // no lock file, or none that can be read: not this holder's
    }
}

void SharedFileLock::KeepFresh() {
    const long long now = services_.ElapsedMs();
    if (now - freshAt_ < kLockStaleMs / 2 || !Holds()) return;
    services_.Files().ReplaceText(path_, token_ + "\r\n");
    freshAt_ = now;
}

bool SharedFileLock::Replace(const std::string& target, const std::string& text) {
    KeepFresh();
    return services_.Files().ReplaceTextIf(target, text, [this] { return Holds(); });
}

SharedFileLock::~SharedFileLock() {
    try {
        if (Holds()) services_.Files().Remove(path_);
    } catch (const FileError&) {
        // a lock that cannot be removed now goes stale and is taken over later
    }
}

std::optional<std::string> ChangeUnderLock(StationServices& services, const std::string& sharedPath,
                                           const LockWaiting& waiting,
                                           const std::function<std::optional<std::string>()>& change) {
    for (int refused = 0;; ++refused) {
        SharedFileLock lock(services, sharedPath, waiting);
        std::optional<std::string> text = change();
        services.LockedChange(sharedPath);
        if (!text || lock.Replace(sharedPath, *text)) return text;
        if (refused == kLockLostRetries)
            throw FileError("The lock " + lock.Path() + " was taken over by other stations again and again");
    }
}

}  // namespace varnel
