#pragma once
// Reads photos for the cells on worker threads: the head (pixel size, shot
// date and the embedded preview), then the picture at the reduction the
// cell needs. A page's six photos are read in parallel, their heads before
// any picture, and the active photo for the big view while the customer
// looks at the page. The user-interface thread never reads a photo file
// itself: what it needs and nobody asked for is asked for first in the
// queue, and it waits for that, or has it handed over later. The photo
// window owns one; any thread may call it, and it hands pictures over on
// the thread that made it.

#include <QImage>
#include <QObject>
#include <QSize>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace orelle {

class FileSystem;

class PicturePrefetch {
  public:
    // Finished photos nobody took are dropped, oldest first, past this.
    static constexpr std::size_t kMaxEntries = 12;

    struct Want {
        std::string path;
        // The reduction level; none: the one a cell takes for the photo's
        // own size in its view (LoadReductionLevel).
        std::optional<int> level;
        bool bigView = false;
        QSize atLeast;  // DecodeReduced's
        bool operator==(const Want&) const = default;
    };
    struct Photo {
        std::optional<QSize> pixels;  // none: the file is no readable photo
        int level = 0;
        QImage picture;  // null: the picture is unreadable (or not read yet)
        bool pictureRead = false;
        // The embedded preview, upright and cut to the picture's shape
        // (DecodeEmbeddedPreview); null: none.
        QImage preview;
        std::string shotDate;
    };

    // Photos are read through fs, which must outlive the prefetch.
    explicit PicturePrefetch(FileSystem& fs);
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // Queues the reading; asking again for what is queued does nothing.
    void Request(const Want& want);
    // What the head told, waiting for that alone, and the picture when it
    // was read already. Unless it has no pixels or its picture was read,
    // Take or TakeLater of the same want must follow.
    Photo TakeHead(const Want& want);
    // The photo read for want, waiting for it; asked for ahead of the
    // queue when nobody had. It wins over a TakeLater of the same want.
    Photo Take(const Want& want);
    // ready gets the photo, on the thread that made the prefetch, once it
    // is read; never when the prefetch goes first, or when a Take or
    // TakeHead had the photo before ready ran. Each photo read is handed
    // over once: a later TakeLater of the same want replaces ready.
    void TakeLater(const Want& want, std::function<void(Photo)> ready);
    // Until nothing is queued or being read.
    void WaitIdle();

    // What any thread would read for want (the workers' two steps).
    static Photo ReadHead(FileSystem& fs, const Want& want);
    static void ReadPicture(FileSystem& fs, const Want& want, Photo& photo);

  private:
    struct Entry {
        Want want;
        enum Stage { kQueued, kReadingHead, kHeadRead, kReadingPicture, kDone } stage = kQueued;
        int awaited = 0;       // Takes wait for it: it comes first, never dropped
        bool held = false;     // its head was taken: so will its picture be
        bool handing = false;  // a hand-over to ready is queued
        std::function<void(Photo)> ready{};
        Photo photo{};
    };
    using Entries = std::deque<Entry>;

    void Work(bool headsOnly);
    void Trim();
    Entries::iterator Find(const Want& want);
    Entries::iterator Await(std::unique_lock<std::mutex>& lock, const Want& want,
                            Entry::Stage stage);
    Entries::iterator Next(bool headsOnly);
    // Queues the hand-over of the finished entry to its ready; until it
    // runs, a Take or TakeHead may still take the photo instead.
    void Deliver(Entries::iterator it);
    // On the prefetch's own thread: the photo to its ready, unless taken.
    void HandOver(const Want& want);

    FileSystem& fs_;
    QObject handOver_;  // lives on the thread that made the prefetch
    std::mutex mutex_;
    std::condition_variable queued_;
    std::condition_variable done_;
    Entries entries_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace orelle
