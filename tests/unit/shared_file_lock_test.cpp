// The lock beside a shared file: a lock that keeps changing hands is never taken over.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_host.h"
#include "platform/shared_file_lock.h"

using namespace varnel;
namespace fs = std::filesystem;

TEST(SharedFileLock, ALockThatKeepsChangingHandsIsNotTakenOver) {
    fs::path root = fs::temp_directory_path() / ("varnel-lock-" + std::to_string(::getpid()));
    fs::create_directories(root / "Q");
    // Another station takes the lock again between each of this station's looks.
    struct Busy : HeadlessHost {
        using HeadlessHost::HeadlessHost;
        int takes = 0;
        void Pause(int ms) override {
            HeadlessHost::Pause(ms);
            Files().ReplaceLines("Q:\\N.txt.lock", {"otherhost pid " + std::to_string(++takes)});
        }
    } host(DriveMap{root.string(), {}});
    host.Files().ReplaceLines("Q:\\N.txt.lock", {"otherhost pid 0"});
    EXPECT_THROW(SharedFileLock(host, "Q:\\N.txt", nullptr), FileError);
    EXPECT_GE(host.ElapsedMs(), 2 * kLockStaleMs);
    EXPECT_EQ(host.Files().ReadLines("Q:\\N.txt.lock").front(), "otherhost pid " + std::to_string(host.takes));
    fs::remove_all(root);
}
