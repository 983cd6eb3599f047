#pragma once
// Reads photos for the cells on worker threads: the header, the picture
// at the reduction the cell needs, and the shot date. A page's six photos
// are read in parallel, and the active photo for the big view while the
// customer looks at the page. The user-interface thread never reads a
// photo file itself: what it needs and nobody asked for is asked for
// first in the queue, and it waits for that. The photo window owns one;
// any thread may call it.

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <deque>
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
        QImage picture;  // null: the picture is unreadable
        std::string shotDate;
    };

    // Photos are read through fs, which must outlive the prefetch.
    explicit PicturePrefetch(FileSystem& fs);
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // Queues the reading; asking again for what is queued does nothing.
    void Request(const Want& want);
    // The photo read for want, waiting for it; asked for ahead of the
    // queue when nobody had.
    Photo Take(const Want& want);

    // What any thread would read for want (the workers' own step).
    static Photo Read(FileSystem& fs, const Want& want);

  private:
    struct Entry {
        Want want;
        enum { kQueued, kReading, kDone } state = kQueued;
        bool awaited = false;  // a Take waits for it: never dropped
        Photo photo{};
    };

    void Work();
    void Trim();
    std::deque<Entry>::iterator Find(const Want& want);

    FileSystem& fs_;
    std::mutex mutex_;
    std::condition_variable queued_;
    std::condition_variable done_;
    std::deque<Entry> entries_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace orelle
