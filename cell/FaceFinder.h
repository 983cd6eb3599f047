#pragma once
// Finds the faces of the photos the cells show, once a photo, on the
// reduced picture the cell decoded anyway: one worker at the lowest
// priority, so that it takes what the decoders leave and never delays a
// page. Results go to the job's FaceStore, then done runs on the thread
// that made the finder. The photo window owns one; UI thread only.

#include <QImage>
#include <QObject>
#include <QSize>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace orelle {

class FaceDetector;
class FaceStore;

class FaceFinder {
  public:
    // Pictures waiting past this many are dropped, oldest first: the
    // customer paged on, and they are asked for again when shown again.
    static constexpr std::size_t kMaxWaiting = 12;
    // The picture is looked at no larger than this on its long side, which
    // bounds the time a photo costs whatever its size.
    static constexpr int kMaxSide = 800;

    using MakeDetector = std::function<std::unique_ptr<FaceDetector>()>;
    // store must outlive the finder. The detector is made on the worker,
    // when the first picture comes. afterPictures, when given, returns on
    // the worker once the cells' pictures asked for so far are decoded:
    // faces wait for them.
    FaceFinder(FaceStore& store, MakeDetector makeDetector,
               std::function<void()> afterPictures = {});
    ~FaceFinder();
    FaceFinder(const FaceFinder&) = delete;
    FaceFinder& operator=(const FaceFinder&) = delete;

    // Looks for the faces of the photo at path, a file of filePixels, in
    // its decoded upright picture; asking again while it waits does
    // nothing. done runs once the store holds them, unless dropped.
    void Find(const std::string& path, QImage picture, QSize filePixels,
              std::function<void()> done);
    // Until nothing waits and nothing is being looked at; done callbacks
    // are queued by then.
    void WaitIdle();

  private:
    struct Job {
        std::string path;
        QImage picture;
        QSize filePixels;
        std::function<void()> done;
    };
    void Work();

    FaceStore& store_;
    MakeDetector makeDetector_;
    std::function<void()> afterPictures_;
    std::unique_ptr<FaceDetector> detector_;  // the worker's
    QObject handOver_;                        // lives on the thread that made the finder
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> waiting_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace orelle
