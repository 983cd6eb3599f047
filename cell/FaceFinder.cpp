#include "cell/FaceFinder.h"

#include <QMetaObject>
#include <algorithm>

#include "orderdata/FaceStore.h"
#include "platform/imaging/FaceDetector.h"
#include "platform/jobs/IdlePriority.h"

namespace orelle {
namespace {

// The faces of picture, in pixels of the file of filePixels.
std::vector<FaceBox> FindInFile(FaceDetector& detector, const QImage& picture, QSize filePixels) {
    QImage looked = picture;
    if (std::max(looked.width(), looked.height()) > FaceFinder::kMaxSide)
        looked = looked.scaled(FaceFinder::kMaxSide, FaceFinder::kMaxSide, Qt::KeepAspectRatio,
                               Qt::SmoothTransformation);
    std::vector<FaceBox> faces = detector.Find(looked);
    const double sx = static_cast<double>(filePixels.width()) / looked.width();
    const double sy = static_cast<double>(filePixels.height()) / looked.height();
    for (FaceBox& f : faces) {
        f = {static_cast<std::int32_t>(f.left * sx), static_cast<std::int32_t>(f.top * sy),
             static_cast<std::int32_t>(f.width * sx), static_cast<std::int32_t>(f.height * sy)};
    }
    return faces;
}

}  // namespace

FaceFinder::FaceFinder(FaceStore& store, MakeDetector makeDetector,
                       std::function<void()> afterPictures)
    : store_(store),
      makeDetector_(std::move(makeDetector)),
      afterPictures_(std::move(afterPictures)),
      worker_([this] { Work(); }) {}

FaceFinder::~FaceFinder() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void FaceFinder::Find(const std::string& path, QImage picture, QSize filePixels,
                      std::function<void()> done) {
    if (picture.isNull() || filePixels.isEmpty()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const bool queued = std::any_of(waiting_.begin(), waiting_.end(),
                                        [&](const Job& j) { return j.path == path; });
        if (queued) return;
        waiting_.push_back({path, std::move(picture), filePixels, std::move(done)});
        if (waiting_.size() > kMaxWaiting) waiting_.pop_front();
    }
    wake_.notify_all();
}

void FaceFinder::WaitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [&] { return waiting_.empty() && !busy_; });
}

void FaceFinder::Work() {
    LowerThisThread();
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
        if (stopping_) return;
        Job job = std::move(waiting_.front());
        waiting_.pop_front();
        busy_ = true;
        lock.unlock();
        if (afterPictures_) afterPictures_();
        if (!detector_ && makeDetector_) detector_ = makeDetector_();
        std::vector<FaceBox> faces;
        if (detector_) faces = FindInFile(*detector_, job.picture, job.filePixels);
        store_.Put(job.path, std::move(faces));
        if (job.done) {
            QMetaObject::invokeMethod(&handOver_, std::move(job.done), Qt::QueuedConnection);
        }
        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

}  // namespace orelle
