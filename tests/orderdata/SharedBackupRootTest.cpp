// Several stations on one backup root: threads with file layers of their
// own stand for the stations (the day's lock is taken per open file, so
// they exclude each other as processes do), and helper processes hold a
// lock or write a half-made file.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "orderdata/DayIndex.h"
#include "orderdata/LocalOrderNumber.h"
#include "orderdata/OrderInfo.h"
#include "platform/files/FileSystem.h"
#include "platform/files/PartialFiles.h"
#include "platform/ini/Profile.h"
#include "support/TempFolder.h"

extern char** environ;

namespace orelle {
namespace {

using testing::TempFolder;
using testing::WriteBytes;
using Clock = std::chrono::steady_clock;

// A helper process; killed and waited for with the object.
class Child {
  public:
    explicit Child(std::vector<std::string> args) {
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (::posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = 0;
    }
    ~Child() { Kill(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    pid_t pid() const { return pid_; }
    void Kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

  private:
    pid_t pid_ = 0;
};

// Whether another process holds the lock, once it has had time to take it.
bool HeldElsewhere(const std::string& lockFile) {
    for (auto until = Clock::now() + std::chrono::seconds(5); Clock::now() < until;) {
        const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
        const bool held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        if (fd >= 0) ::close(fd);
        if (held) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST(SharedBackupRoot, StationsDrawingAtOnceNeverShareANumberAFolderOrASection) {
    TempFolder tmp;
    const OrderPaths paths{tmp / "backup", "2026-12-8"};
    constexpr int kStations = 8;
    constexpr int kJobs = 25;
    std::vector<std::vector<std::string>> drawn(kStations);
    std::vector<std::thread> stations;
    for (int s = 0; s < kStations; ++s) {
        stations.emplace_back([&, s] {
            LocalFileSystem fs;
            for (int j = 0; j < kJobs; ++j) {
                CustomerInfo customer;
                OrderInfo info{customer};
                bool placed = true;
                const std::string number = NewLocalOrderNumber(paths, "261208", info, placed, fs);
                drawn[s].push_back(number);
                if (number.empty()) continue;
                // Each job writes its section twice, as a refresh and the
                // order do, while the others write theirs.
                for (const char* success : {"0", "-1"})
                    WriteDaySection(paths, fs, std::to_string(info.historyID),
                                    {{"storeDDH", number}, {"bSuccess", success}});
            }
        });
    }
    for (std::thread& t : stations) t.join();
    std::set<std::string> numbers;
    for (const auto& station : drawn) numbers.insert(station.begin(), station.end());
    EXPECT_EQ(numbers.size(), std::size_t{kStations * kJobs});
    const Profile day(paths.OrderIni());
    EXPECT_EQ(day.GetInt("idcount", "idmax", 0), kStations * kJobs + 1);
    for (int n = 1; n <= kStations * kJobs; ++n) {
        const std::string number = FormatLocalOrderNumber("261208", n);
        SCOPED_TRACE(number);
        EXPECT_EQ(numbers.count(number), 1u);
        EXPECT_EQ(day.GetString(std::to_string(n), "storeDDH", ""), number);
        EXPECT_EQ(day.GetString(std::to_string(n), "bSuccess", ""), "-1");
    }
}

TEST(SharedBackupRoot, AFolderThatExistsIsNeverTakenAgain) {
    TempFolder tmp;
    LocalFileSystem fs;
    const std::string folder = tmp / "261208001";
    EXPECT_TRUE(fs.CreateNewDirectory(folder));
    EXPECT_FALSE(fs.CreateNewDirectory(folder));
    WriteBytes(tmp / "a-file", "x");
    EXPECT_FALSE(fs.CreateNewDirectory(tmp / "a-file"));
    EXPECT_FALSE(fs.CreateNewDirectory(tmp / "no/parent"));
}

// The kernel drops a killed holder's lock with its process: the next
// station waits for no stale time.
TEST(SharedBackupRoot, AKilledHoldersLockIsFreeAtOnce) {
    TempFolder tmp;
    LocalFileSystem fs;
    const OrderPaths paths{tmp.path(), "2026-12-8"};
    fs.CreateDirectories(paths.DayFolder());
    const std::string lockFile = paths.DayFolder() + "/.order.lock";
    {
        const auto mine = LockDay(paths, fs);
        ASSERT_NE(mine, nullptr);
    }
    // -o: the command run under the lock does not hold it too.
    Child holder({"flock", "-o", lockFile, "sleep", "20"});
    ASSERT_GT(holder.pid(), 0);
    ASSERT_TRUE(HeldElsewhere(lockFile));
    holder.Kill();
    const auto start = Clock::now();
    const auto lock = LockDay(paths, fs);
    EXPECT_NE(lock, nullptr);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
}

TEST(SharedBackupRoot, HalfMadeFilesOfARunningStationStayThoseOfADeadOneGo) {
    TempFolder tmp;
    LocalFileSystem fs;
    Child running({"sleep", "60"});
    ASSERT_GT(running.pid(), 0);
    Child dead({"true"});
    const std::string deadPid = std::to_string(dead.pid());
    dead.Kill();
    const std::string work = tmp / "2026-12-8/261208001";
    fs.CreateDirectories(work);
    const std::string others = work + "/.partial-" + std::to_string(running.pid()) + "-3";
    const std::string mine = work + "/.partial-" + std::to_string(::getpid()) + "-1";
    const std::vector<std::string> left = {tmp / "2026-12-8/.partial-" + deadPid + "-0",
                                           work + "/.partial-IMG_0001.JPG", mine};
    for (const std::string& path : left) WriteBytes(path, "half");
    const std::vector<std::string> kept = {others, work + "/a.jpg", work + "/photo.ini"};
    for (const std::string& path : kept) WriteBytes(path, "whole");
    RemovePartialFiles(fs, tmp.path());
    for (const std::string& path : left) EXPECT_FALSE(fs.FileExists(path)) << path;
    for (const std::string& path : kept) EXPECT_TRUE(fs.FileExists(path)) << path;
    running.Kill();
    RemovePartialFiles(fs, tmp.path());
    EXPECT_FALSE(fs.FileExists(others));
}

}  // namespace
}  // namespace orelle
