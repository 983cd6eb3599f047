#pragma once
// Decodes photos ahead of the cells on worker threads: a page's six photos
// in parallel, and the active photo for the big view while the customer
// looks at the page. A surface that finds its picture here does not decode
// it again. The photo window owns one; any thread may call it.

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
    // Finished pictures nobody took are dropped, oldest first, past this.
    static constexpr std::size_t kMaxEntries = 12;

    // Photos are read through fs, which must outlive the prefetch.
    explicit PicturePrefetch(FileSystem& fs);
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // Queues the decode of path at level (DecodeReduced's arguments).
    void Request(const std::string& path, int level, QSize atLeast);
    // The picture decoded for these arguments, waiting for it when a worker
    // is at it; nothing when it was not asked for or not started (the
    // caller then decodes it itself, sooner than the queue would).
    std::optional<QImage> Take(const std::string& path, int level, QSize atLeast);

  private:
    struct Entry {
        std::string path;
        int level = 0;
        QSize atLeast;
        enum { kQueued, kDecoding, kDone } state = kQueued;
        QImage picture;
        bool Is(const std::string& p, int l, QSize a) const {
            return path == p && level == l && atLeast == a;
        }
    };

    void Work();
    void Trim();

    FileSystem& fs_;
    std::mutex mutex_;
    std::condition_variable queued_;
    std::condition_variable decoded_;
    std::deque<Entry> entries_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace orelle
