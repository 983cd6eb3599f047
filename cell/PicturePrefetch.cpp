#include "cell/PicturePrefetch.h"

#include <algorithm>

#include "cell/FrameLayout.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/ShotDate.h"

namespace orelle {

PicturePrefetch::PicturePrefetch(FileSystem& fs) : fs_(fs) {
    // Two readers keep both cores of a kiosk busy; more would only queue.
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

PicturePrefetch::Photo PicturePrefetch::Read(FileSystem& fs, const Want& want) {
    Photo photo;
    // The header alone first, so that a file that is no photo costs a small
    // read; then the file whole, once, for both the picture and its date.
    photo.pixels = ReadPixelSize(fs, want.path);
    if (!photo.pixels) return photo;
    photo.level = want.level ? *want.level
                             : LoadReductionLevel(photo.pixels->width(), photo.pixels->height(),
                                                  want.bigView);
    std::string bytes;
    if (!ReadPhotoBytes(fs, want.path, &bytes)) return photo;
    photo.picture = DecodeReducedFromBytes(bytes, photo.level, want.atLeast);
    if (!photo.picture.isNull()) photo.shotDate = ReadShotDateFromBytes(bytes);
    return photo;
}

std::deque<PicturePrefetch::Entry>::iterator PicturePrefetch::Find(const Want& want) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [&](const Entry& e) { return e.want == want; });
}

void PicturePrefetch::Request(const Want& want) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (Find(want) != entries_.end()) return;
        entries_.push_back(Entry{want});
        Trim();
    }
    queued_.notify_one();
}

PicturePrefetch::Photo PicturePrefetch::Take(const Want& want) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto it = Find(want);
    if (it == entries_.end()) {
        entries_.push_front(Entry{want});
        it = entries_.begin();
        queued_.notify_one();
    }
    it->awaited = true;
    done_.wait(lock, [&] {
        it = Find(want);
        return it->state == Entry::kDone;
    });
    Photo photo = std::move(it->photo);
    entries_.erase(it);
    return photo;
}

void PicturePrefetch::Trim() {
    // Only what nobody holds or waits for goes: oldest first.
    for (auto it = entries_.begin(); entries_.size() > kMaxEntries && it != entries_.end();) {
        it = it->state == Entry::kReading || it->awaited ? it + 1 : entries_.erase(it);
    }
}

void PicturePrefetch::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        auto next = entries_.end();
        queued_.wait(lock, [&] {
            // What a cell waits for comes first.
            next = std::find_if(entries_.begin(), entries_.end(), [](const Entry& e) {
                return e.state == Entry::kQueued && e.awaited;
            });
            if (next == entries_.end())
                next = std::find_if(entries_.begin(), entries_.end(),
                                    [](const Entry& e) { return e.state == Entry::kQueued; });
            return stopping_ || next != entries_.end();
        });
        if (stopping_) return;
        next->state = Entry::kReading;
        const Want want = next->want;
        lock.unlock();
        Photo photo = Read(fs_, want);
        lock.lock();
        // Entries may have moved while the lock was free: find it again.
        for (Entry& e : entries_) {
            if (e.state == Entry::kReading && e.want == want) {
                e.photo = std::move(photo);
                e.state = Entry::kDone;
                break;
            }
        }
        done_.notify_all();
    }
}

}  // namespace orelle
