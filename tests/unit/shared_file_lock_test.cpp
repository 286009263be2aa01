// The lock beside a shared file: it is taken over only when stale, by one waiter, and
// its holder writes and releases only while the lock is still its own.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_host.h"
#include "platform/shared_file_lock.h"

using namespace varnel;
namespace fs = std::filesystem;

struct SharedDrive {  // Q: in a temporary folder
    fs::path root = fs::temp_directory_path() / ("varnel-lock-" + std::to_string(::getpid()));
    SharedDrive() { fs::create_directories(root / "Q"); }
    ~SharedDrive() { fs::remove_all(root); }
    DriveMap Drives() const { return DriveMap{root.string(), {}}; }
};

TEST(SharedFileLock, ALockThatKeepsChangingHandsIsNotTakenOver) {
    SharedDrive q;
    // Another station takes the lock again between each of this station's looks.
    struct Busy : HeadlessHost {
        using HeadlessHost::HeadlessHost;
        int takes = 0;
        void Pause(int ms) override {
            HeadlessHost::Pause(ms);
            Files().ReplaceLines("Q:\\N.txt.lock", {"otherhost pid " + std::to_string(++takes)});
        }
    } host(q.Drives());
    host.Files().ReplaceLines("Q:\\N.txt.lock", {"otherhost pid 0"});
    EXPECT_THROW(SharedFileLock(host, "Q:\\N.txt", nullptr), FileError);
    EXPECT_GE(host.ElapsedMs(), 2 * kLockStaleMs);
    EXPECT_EQ(host.Files().ReadLines("Q:\\N.txt.lock").front(), "otherhost pid " + std::to_string(host.takes));
}

TEST(SharedFileLock, OfTwoWaitersThatFoundTheSameStaleLockOnlyOneTakesIt) {
    // The second waiter acts while the first has the stale lock aside, or has its own.
    for (bool firstCreated : {false, true}) {
        SharedDrive q;
        HeadlessHost host(q.Drives());
        auto& files = host.Files();
        files.ReplaceLines("Q:\\N.txt.lock", {"otherhost pid 1 take 1"});
        const std::string stale = files.Stamp("Q:\\N.txt.lock");
        ASSERT_TRUE(TakeOverStaleLock(files, "Q:\\N.txt.lock", stale));
        ASSERT_TRUE(!firstCreated || files.CreateExclusive("Q:\\N.txt.lock", "first\r\n"));
        EXPECT_FALSE(TakeOverStaleLock(files, "Q:\\N.txt.lock", stale)) << firstCreated;
        EXPECT_EQ(files.ListFiles("Q:\\").size(), firstCreated ? 1u : 0u);  // nothing left aside
        EXPECT_EQ(firstCreated ? files.ReadAll("Q:\\N.txt.lock") : "", firstCreated ? "first\r\n" : "");
    }
}

TEST(SharedFileLock, AHolderWhoseLockWasTakenOverWritesNothingAndDrawsAgain) {
    SharedDrive q;
    // Stopped once holding the lock: another station takes it over, draws 8, releases it.
    struct Stopped : HeadlessHost {
        using HeadlessHost::HeadlessHost;
        int stops = 0;
        void LockedChange(const std::string& path) override {
            if (stops++) return;
            Files().ReplaceLines(path + ".lock", {"otherhost pid 2 take 2"});
            Files().ReplaceLines(path, {"8"});
            Files().Remove(path + ".lock");
        }
    } host(q.Drives());
    host.Files().ReplaceLines("Q:\\N.txt", {"7"});
    std::vector<std::string> held;
    auto drawn = ChangeUnderLock(host, "Q:\\N.txt", nullptr, [&]() -> std::optional<std::string> {
        held.push_back(host.Files().ReadLines("Q:\\N.txt").front());
        return std::to_string(std::stoi(held.back()) + 1) + "\r\n";
    });
    EXPECT_EQ(held, (std::vector<std::string>{"7", "8"}));
    EXPECT_EQ(drawn, "9\r\n");
    EXPECT_EQ(host.Files().ListFiles("Q:\\"), std::vector<std::string>{"N.txt"});
}

TEST(SharedFileLock, AReleaseLeavesAnotherStationsLockInPlace) {
    SharedDrive q;
    HeadlessHost host(q.Drives());
    {
        SharedFileLock lock(host, "Q:\\N.txt", nullptr);
        host.Files().ReplaceLines("Q:\\N.txt.lock", {"otherhost pid 3 take 3"});
        EXPECT_FALSE(lock.Replace("Q:\\N.txt", "5\r\n"));
    }
    EXPECT_EQ(host.Files().ListFiles("Q:\\"), std::vector<std::string>{"N.txt.lock"});  // N.txt not written
    EXPECT_EQ(host.Files().ReadLines("Q:\\N.txt.lock").front(), "otherhost pid 3 take 3");
}
