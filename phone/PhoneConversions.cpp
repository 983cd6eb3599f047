#include "phone/PhoneConversions.h"

#include <utility>

#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

// Converting keeps a core busy for each photo.
constexpr std::size_t kSideBySide = 2;

}  // namespace

PhoneConversions::PhoneConversions(FileSystem& fs, std::string folder, Room room)
    : fs_(fs), folder_(std::move(folder)), room_(std::move(room)) {}

PhoneConversions::~PhoneConversions() { End(); }

void PhoneConversions::Add(const std::string& path, PhotoKind kind) {
    if (kind != PhotoKind::kHeif && kind != PhotoKind::kPng) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (ended_ || loading_ || !entries_.emplace(path, Entry{}).second) return;
    queue_.push_back(path);
    if (workers_.size() < kSideBySide) workers_.emplace_back([this] { Work(); });
    changed_.notify_all();
}

std::optional<StationCopy> PhoneConversions::Take(const std::string& path) {
    std::unique_lock<std::mutex> lock(mutex_);
    // The load converts what is not begun at its own priority, which this
    // worker's would only hold up.
    loading_ = true;
    queue_.clear();
    const auto found = entries_.find(path);
    if (found == entries_.end()) return std::nullopt;
    Entry& entry = found->second;
    changed_.wait(lock, [this, &entry] { return ended_ || entry.step != Step::kUnderWay; });
    const Step step = std::exchange(entry.step, Step::kGone);
    if (ended_ || step != Step::kMade) return std::nullopt;
    StationCopy copy = std::move(entry.copy);
    const std::string file = entry.file;
    lock.unlock();
    if (!copy.asIs) {
        if (!fs_.ReadFile(file, &copy.made)) return std::nullopt;
        fs_.RemoveFile(file);
    }
    return copy;
}

void PhoneConversions::End() {
    std::lock_guard<std::mutex> ending(endMutex_);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ended_ = true;
        queue_.clear();
    }
    changed_.notify_all();
    for (std::thread& worker : workers_)
        if (worker.joinable()) worker.join();
    fs_.RemoveTree(folder_);
}

void PhoneConversions::Work() {
    // At the station's own priority: the load after "完成" waits for a
    // conversion under way, and a lower one would be starved by the very
    // load that waits (and libheif's threads inherit it).
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return ended_ || !queue_.empty(); });
        if (ended_) return;
        const std::string path = std::move(queue_.front());
        queue_.pop_front();
        Entry& entry = entries_.at(path);
        entry.step = Step::kUnderWay;
        lock.unlock();
        StationCopy copy = PrepareStationCopy(fs_, path);
        std::string file;
        if (!copy.asIs) {
            file = Keep(path, copy.made);
            std::string().swap(copy.made);  // a visit's copies are kept on the disk only
        }
        lock.lock();
        const bool kept = copy.asIs || !file.empty();
        entry.step = kept ? Step::kMade : Step::kGone;
        entry.copy = std::move(copy);
        entry.file = std::move(file);
        changed_.notify_all();
    }
}

std::string PhoneConversions::Keep(const std::string& path, const std::string& made) {
    const std::string file = paths::Join(folder_, std::string(paths::FileNamePart(path)));
    if (room_(made.size()) && fs_.CreateDirectories(folder_) && fs_.WriteFile(file, made))
        return file;
    return {};
}

}  // namespace orelle
