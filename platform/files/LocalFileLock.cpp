// Locks and exclusive folders on the machine's file system, for stations
// that share one backup root.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/files/FileSystem.h"

namespace orelle {
namespace {

constexpr std::chrono::seconds kLockWait{10};
constexpr std::chrono::milliseconds kLockPoll{5};

// flock belongs to the open file: the kernel drops it with the last
// descriptor, also when the holder is killed, so no lock outlives its
// process and none needs to be recognised as stale.
class HeldFile final : public FileLock {
  public:
    explicit HeldFile(int fd) : fd_(fd) {}
    ~HeldFile() override { ::close(fd_); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

  private:
    int fd_;
};

// Tries until the deadline, at least once.
std::unique_ptr<FileLock> LockWithin(const std::string& path, std::chrono::seconds wait) {
    // O_CLOEXEC: a program the station starts never inherits the lock.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return std::make_unique<HeldFile>(fd);
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(kLockPoll);
    }
    ::close(fd);
    return nullptr;
}

}  // namespace

bool LocalFileSystem::CreateNewDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0;
}

std::unique_ptr<FileLock> LocalFileSystem::LockFile(const std::string& path) {
    return LockWithin(path, kLockWait);
}

std::unique_ptr<FileLock> LocalFileSystem::TryLockFile(const std::string& path) {
    return LockWithin(path, std::chrono::seconds(0));
}

}  // namespace orelle
