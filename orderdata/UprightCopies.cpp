#include "orderdata/UprightCopies.h"

#include <sys/resource.h>
#include <unistd.h>

#include "orderdata/PhotoList.h"
#include "platform/imaging/StationCopy.h"
#include "platform/paths/Paths.h"

namespace orelle {

std::vector<std::string> JobCopies(const PhotoList& list, const std::string& workFolder) {
    const std::string inside = paths::WithTrailingSeparator(workFolder);
    std::vector<std::string> copies;
    if (workFolder.empty()) return copies;
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        const std::string& copy = list.At(i).srcName;
        if (copy.size() > inside.size() && copy.compare(0, inside.size(), inside) == 0)
            copies.push_back(copy);
    }
    return copies;
}

int MakeCopiesUpright(FileSystem& fs, const std::vector<std::string>& copies,
                      const std::atomic<bool>& stop) {
    int turned = 0;
    for (const std::string& copy : copies) {
        if (stop) break;
        if (TurnCopyUpright(fs, copy)) ++turned;
    }
    return turned;
}

UprightTurner::UprightTurner(FileSystem& fs) : fs_(fs), worker_([this] { Run(); }) {}

UprightTurner::~UprightTurner() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
        stop_ = true;
        waiting_.clear();
    }
    changed_.notify_all();
    worker_.join();
}

void UprightTurner::Turn(std::vector<std::string> copies) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        waiting_.insert(waiting_.end(), copies.begin(), copies.end());
    }
    changed_.notify_all();
}

void UprightTurner::Stop() {
    std::unique_lock<std::mutex> lock(mutex_);
    waiting_.clear();
    stop_ = true;
    changed_.wait(lock, [this] { return !busy_; });
    stop_ = false;
}

void UprightTurner::Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !busy_ && waiting_.empty(); });
}

void UprightTurner::Run() {
    // The customer's pages come first: this worker only takes what the
    // decoding of pages leaves of the cores.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return quit_ || !waiting_.empty(); });
        if (quit_) return;
        std::vector<std::string> copies;
        copies.swap(waiting_);
        busy_ = true;
        lock.unlock();
        MakeCopiesUpright(fs_, copies, stop_);
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

}  // namespace orelle
