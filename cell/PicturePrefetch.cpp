#include "cell/PicturePrefetch.h"

#include <algorithm>

#include "platform/files/FileSystem.h"
#include "platform/imaging/PictureFile.h"

namespace orelle {

PicturePrefetch::PicturePrefetch(FileSystem& fs) : fs_(fs) {
    // Two decoders keep both cores of a kiosk busy; more would only queue.
    const unsigned cores = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    for (unsigned i = 0; i < cores; ++i) workers_.emplace_back([this] { Work(); });
}

PicturePrefetch::~PicturePrefetch() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    for (std::thread& t : workers_) t.join();
}

void PicturePrefetch::Request(const std::string& path, int level, QSize atLeast) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Entry& e : entries_) {
            if (e.Is(path, level, atLeast)) return;
        }
        Entry e;
        e.path = path;
        e.level = level;
        e.atLeast = atLeast;
        entries_.push_back(std::move(e));
        Trim();
    }
    queued_.notify_one();
}

std::optional<QImage> PicturePrefetch::Take(const std::string& path, int level, QSize atLeast) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto find = [&] {
        return std::find_if(entries_.begin(), entries_.end(),
                            [&](const Entry& e) { return e.Is(path, level, atLeast); });
    };
    auto it = find();
    if (it == entries_.end()) return std::nullopt;
    if (it->state == Entry::kQueued) {
        entries_.erase(it);
        return std::nullopt;
    }
    decoded_.wait(lock, [&] {
        it = find();
        return it == entries_.end() || it->state == Entry::kDone;
    });
    if (it == entries_.end()) return std::nullopt;
    QImage picture = std::move(it->picture);
    entries_.erase(it);
    return picture;
}

void PicturePrefetch::Trim() {
    // Only what no worker holds goes: queued or finished, oldest first.
    for (auto it = entries_.begin(); entries_.size() > kMaxEntries && it != entries_.end();) {
        it = it->state == Entry::kDecoding ? it + 1 : entries_.erase(it);
    }
}

void PicturePrefetch::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        auto next = entries_.end();
        queued_.wait(lock, [&] {
            next = std::find_if(entries_.begin(), entries_.end(),
                                [](const Entry& e) { return e.state == Entry::kQueued; });
            return stopping_ || next != entries_.end();
        });
        if (stopping_) return;
        next->state = Entry::kDecoding;
        const std::string path = next->path;
        const int level = next->level;
        const QSize atLeast = next->atLeast;
        lock.unlock();
        QImage picture = DecodeReduced(fs_, path, level, atLeast);
        lock.lock();
        // Entries may have moved while the lock was free: find it again.
        for (Entry& e : entries_) {
            if (e.state == Entry::kDecoding && e.Is(path, level, atLeast)) {
                e.picture = std::move(picture);
                e.state = Entry::kDone;
                break;
            }
        }
        decoded_.notify_all();
    }
}

}  // namespace orelle
