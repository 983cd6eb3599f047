#include "cell/PicturePrefetch.h"

#include <QMetaObject>
#include <algorithm>
#include <utility>

#include "cell/FrameLayout.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/EmbeddedPreview.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/ShotDate.h"

namespace orelle {

PicturePrefetch::PicturePrefetch(FileSystem& fs) : fs_(fs) {
    // Two readers keep both cores of a kiosk busy; more would only queue.
    const unsigned cores = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
    for (unsigned i = 0; i < cores; ++i) workers_.emplace_back([this] { Work(false); });
    // Heads cost a small read each: one reader of their own, so that a
    // page's previews never wait behind a picture being decoded.
    workers_.emplace_back([this] { Work(true); });
}

PicturePrefetch::~PicturePrefetch() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    for (std::thread& t : workers_) t.join();
}

PicturePrefetch::Photo PicturePrefetch::ReadHead(FileSystem& fs, const Want& want) {
    Photo photo;
    // The head alone, so that a file that is no photo costs a small read;
    // it holds the date and the preview too.
    std::string head;
    photo.pixels = ReadPixelSize(fs, want.path, &head);
    if (!photo.pixels) return photo;
    photo.level = want.level ? *want.level
                             : LoadReductionLevel(photo.pixels->width(), photo.pixels->height(),
                                                  want.bigView);
    photo.shotDate = ReadShotDateFromBytes(head);
    photo.preview = DecodeEmbeddedPreview(head, *photo.pixels, want.atLeast);
    return photo;
}

void PicturePrefetch::ReadPicture(FileSystem& fs, const Want& want, Photo& photo) {
    std::string bytes;
    if (ReadPhotoBytes(fs, want.path, &bytes))
        photo.picture = DecodeReducedFromBytes(bytes, photo.level, want.atLeast);
    photo.pictureRead = true;
    if (photo.picture.isNull()) photo.shotDate.clear();
}

PicturePrefetch::Entries::iterator PicturePrefetch::Find(const Want& want) {
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
    queued_.notify_all();
}

PicturePrefetch::Entries::iterator PicturePrefetch::Await(std::unique_lock<std::mutex>& lock,
                                                          const Want& want, Entry::Stage stage) {
    for (;;) {
        auto it = Find(want);
        if (it == entries_.end()) {
            entries_.push_front(Entry{want});
            it = entries_.begin();
            queued_.notify_all();
        }
        if (it->stage >= stage) return it;
        ++it->awaited;
        done_.wait(lock);
        // Nothing drops an awaited entry; it may have moved.
        it = Find(want);
        if (it != entries_.end()) --it->awaited;
    }
}

PicturePrefetch::Photo PicturePrefetch::TakeHead(const Want& want) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto it = Await(lock, want, Entry::kHeadRead);
    if (!it->photo.pixels || it->stage == Entry::kDone) {
        Photo photo = std::move(it->photo);
        entries_.erase(it);
        return photo;
    }
    it->held = true;
    return it->photo;
}

PicturePrefetch::Photo PicturePrefetch::Take(const Want& want) {
    std::unique_lock<std::mutex> lock(mutex_);
    // Whoever drops the entry has the photo: a queued hand-over finds none.
    auto it = Await(lock, want, Entry::kDone);
    Photo photo = std::move(it->photo);
    entries_.erase(it);
    return photo;
}

void PicturePrefetch::TakeLater(const Want& want, std::function<void(Photo)> ready) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = Find(want);
    if (it == entries_.end()) {
        entries_.push_back(Entry{want});
        it = entries_.end() - 1;
        queued_.notify_all();
    }
    it->held = true;
    it->ready = std::move(ready);
    if (it->stage == Entry::kDone) Deliver(it);
}

void PicturePrefetch::Deliver(Entries::iterator it) {
    if (std::exchange(it->handing, true)) return;
    QMetaObject::invokeMethod(
        &handOver_, [this, want = it->want] { HandOver(want); }, Qt::QueuedConnection);
}

void PicturePrefetch::HandOver(const Want& want) {
    std::function<void(Photo)> ready;
    Photo photo;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = Find(want);
        // Taken meanwhile: the Take had it, and ready never will.
        if (it == entries_.end() || !it->handing || !it->ready) return;
        ready = std::move(it->ready);
        photo = std::move(it->photo);
        entries_.erase(it);
    }
    ready(std::move(photo));
}

void PicturePrefetch::WaitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [&] {
        return std::none_of(entries_.begin(), entries_.end(),
                            [](const Entry& e) { return e.stage != Entry::kDone; });
    });
}

void PicturePrefetch::Trim() {
    // Only what nobody holds or waits for goes: oldest first.
    for (auto it = entries_.begin(); entries_.size() > kMaxEntries && it != entries_.end();) {
        const bool reading =
            it->stage == Entry::kReadingHead || it->stage == Entry::kReadingPicture;
        it = reading || it->awaited > 0 || it->held ? it + 1 : entries_.erase(it);
    }
}

PicturePrefetch::Entries::iterator PicturePrefetch::Next(bool headsOnly) {
    const auto first = [&](auto&& take) {
        return std::find_if(entries_.begin(), entries_.end(), take);
    };
    // What a cell waits for comes first, then every head (a page shows
    // its previews before any picture), then the pictures in order.
    auto next = first([&](const Entry& e) {
        return e.awaited > 0 &&
               (e.stage == Entry::kQueued || (!headsOnly && e.stage == Entry::kHeadRead));
    });
    if (next == entries_.end()) next = first([](const Entry& e) { return e.stage == Entry::kQueued; });
    if (next == entries_.end() && !headsOnly)
        next = first([](const Entry& e) { return e.stage == Entry::kHeadRead; });
    return next;
}

void PicturePrefetch::Work(bool headsOnly) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        auto next = entries_.end();
        queued_.wait(lock, [&] {
            next = Next(headsOnly);
            return stopping_ || next != entries_.end();
        });
        if (stopping_) return;
        const bool head = next->stage == Entry::kQueued;
        next->stage = head ? Entry::kReadingHead : Entry::kReadingPicture;
        const Entry::Stage reading = next->stage;
        const Want want = next->want;
        Photo photo = head ? Photo{} : next->photo;
        lock.unlock();
        if (head) {
            photo = ReadHead(fs_, want);
        } else {
            ReadPicture(fs_, want, photo);
        }
        lock.lock();
        // Entries may have moved while the lock was free: find it again.
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->stage != reading || !(it->want == want)) continue;
            it->photo = std::move(photo);
            it->stage = head && it->photo.pixels ? Entry::kHeadRead : Entry::kDone;
            if (it->stage == Entry::kDone && it->ready) Deliver(it);
            break;
        }
        done_.notify_all();
        // A finished head leaves its picture to be read.
        if (head) queued_.notify_all();
    }
}

}  // namespace orelle
