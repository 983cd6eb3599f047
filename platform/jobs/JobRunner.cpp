#include "platform/jobs/JobRunner.h"

#include <QPointer>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace orelle {

struct JobRunner::Run {
    explicit Run(Job j) : job(std::move(j)) {}
    Job job;
    // Set under Shared::mutex, so that a waiting question cannot miss it.
    std::atomic<bool> stopped{false};
    bool abandoned = false;  // under Shared::mutex
    std::thread worker;
};

struct JobRunner::Piece {
    enum Kind { kBegin, kStep, kAsk, kPost, kEnd };
    struct Question {
        std::string text;
        bool answered = false;
        bool yes = false;
    };
    Kind kind = kBegin;
    std::shared_ptr<Run> run;
    std::function<void()> post;
    std::shared_ptr<Question> question;
};

// What the worker and the UI thread share; everything under mutex.
struct JobRunner::Shared {
    std::mutex mutex;
    std::condition_variable ready;     // a piece was queued, for Wait
    std::condition_variable answered;  // a question was answered or the job stopped
    std::deque<Piece> pieces;
    bool wakePosted = false;  // a Deliver is queued on the event loop
};

// The runner is reached only through Push, which drops everything once
// the job is abandoned: the runner may be gone by then.
class JobRunner::Context final : public JobContext {
  public:
    Context(std::shared_ptr<Shared> shared, JobRunner* runner, std::shared_ptr<Run> run)
        : shared_(std::move(shared)), runner_(runner), run_(std::move(run)) {}

    bool Stopped() const override { return run_->stopped; }

    void Step() override {
        if (run_->job.step) Push(*shared_, runner_, {Piece::kStep, run_, {}, {}});
    }

    void Post(std::function<void()> uiStep) override {
        if (uiStep) Push(*shared_, runner_, {Piece::kPost, run_, std::move(uiStep), {}});
    }

    bool Ask(const std::string& question) override {
        if (!run_->job.ask || run_->stopped) return false;
        auto q = std::make_shared<Piece::Question>();
        q->text = question;
        Push(*shared_, runner_, {Piece::kAsk, run_, {}, q});
        Shared& shared = *shared_;
        std::unique_lock<std::mutex> lock(shared.mutex);
        shared.answered.wait(lock, [&] { return q->answered || run_->stopped; });
        return q->yes && !run_->stopped;
    }

  private:
    std::shared_ptr<Shared> shared_;
    JobRunner* runner_;
    std::shared_ptr<Run> run_;
};

JobRunner::JobRunner(std::atomic<bool>& busy) : busy_(busy), shared_(std::make_shared<Shared>()) {}

JobRunner::~JobRunner() {
    if (!run_) return;
    Stop();
    // The queued deliveries go with the QObject; the worker must be gone
    // before the queue it pushes to.
    if (run_->worker.joinable()) run_->worker.join();
    run_.reset();
    busy_ = false;
}

bool JobRunner::Start(Job job) {
    if (!job.work && !job.before) return false;
    const bool chained = run_ && run_.get() == finishing_;
    if (!chained && (run_ || busy_.exchange(true))) return false;
    run_ = std::make_shared<Run>(std::move(job));
    Push({Piece::kBegin, run_, {}, {}});
    return true;
}

void JobRunner::Stop() {
    if (!run_) return;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        run_->stopped = true;
    }
    shared_->answered.notify_all();
}

void JobRunner::Abandon() {
    if (!run_) return;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        run_->stopped = true;
        run_->abandoned = true;
        std::erase_if(shared_->pieces, [this](const Piece& p) { return p.run == run_; });
    }
    shared_->answered.notify_all();
    if (run_->worker.joinable()) run_->worker.detach();
    Over(run_.get());
}

void JobRunner::Wait() {
    if (inPiece_) return;
    while (run_) {
        Piece piece;
        {
            std::unique_lock<std::mutex> lock(shared_->mutex);
            shared_->ready.wait(lock, [this] { return !shared_->pieces.empty(); });
            piece = std::move(shared_->pieces.front());
            shared_->pieces.pop_front();
        }
        if (!RunPiece(std::move(piece))) return;
    }
}

void JobRunner::Push(Shared& shared, JobRunner* runner, Piece piece) {
    {
        std::lock_guard<std::mutex> lock(shared.mutex);
        if (piece.run->abandoned) return;
        if (piece.run->stopped && piece.kind != Piece::kBegin && piece.kind != Piece::kEnd) return;
        shared.pieces.push_back(std::move(piece));
        // One queued Deliver at a time, however fast the worker steps.
        // Posted under the lock: an abandon in between would free runner.
        if (!std::exchange(shared.wakePosted, true)) runner->WakeLater();
    }
    shared.ready.notify_one();
}

void JobRunner::Push(Piece piece) { Push(*shared_, this, std::move(piece)); }

void JobRunner::WakeLater() {
    QMetaObject::invokeMethod(this, &JobRunner::Deliver, Qt::QueuedConnection);
}

void JobRunner::Deliver() {
    std::size_t batch = 0;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->wakePosted = false;
        batch = shared_->pieces.size();
    }
    // A nested loop inside one of our pieces: the loop below that piece
    // goes on once it returns.
    if (inPiece_) return;
    // Only what is queued now, so that a worker stepping as fast as the UI
    // thread keeps up cannot keep the event loop from its other events.
    for (; batch > 0; --batch) {
        Piece piece;
        {
            std::lock_guard<std::mutex> lock(shared_->mutex);
            if (shared_->pieces.empty()) break;
            piece = std::move(shared_->pieces.front());
            shared_->pieces.pop_front();
        }
        if (!RunPiece(std::move(piece))) return;
    }
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        wake = !shared_->pieces.empty() && !std::exchange(shared_->wakePosted, true);
    }
    if (wake) WakeLater();
}

bool JobRunner::RunPiece(Piece piece) {
    const std::shared_ptr<Run> run = std::move(piece.run);
    switch (piece.kind) {
        case Piece::kBegin:
            return Begin(run);
        case Piece::kEnd:
            return End(run);
        case Piece::kStep:
            return run->stopped || Call(run->job.step);
        case Piece::kPost:
            return run->stopped || Call(piece.post);
        case Piece::kAsk: {
            if (run->stopped) return true;  // the stop has answered it
            bool yes = false;
            if (!Call([&] { yes = run->job.ask(piece.question->text); })) return false;
            {
                std::lock_guard<std::mutex> lock(shared_->mutex);
                piece.question->yes = yes;
                piece.question->answered = true;
            }
            shared_->answered.notify_all();
            return true;
        }
    }
    return true;
}

bool JobRunner::Begin(const std::shared_ptr<Run>& run) {
    if (!run->stopped && run->job.before && !Call(run->job.before)) return false;
    if (run->stopped) {
        Over(run.get());
        return true;
    }
    if (!run->job.work) return End(run);
    // The thread's copy of run is gone once it is joined, so the job is
    // always destroyed on the UI thread.
    run->worker = std::thread([shared = shared_, runner = this, run] {
        Context context(shared, runner, run);
        run->job.work(context);
        Push(*shared, runner, {Piece::kEnd, run, {}, {}});
    });
    return true;
}

bool JobRunner::End(const std::shared_ptr<Run>& run) {
    if (run->worker.joinable()) run->worker.join();
    if (!run->stopped && run->job.done) {
        finishing_ = run.get();
        if (!Call(run->job.done)) return false;
        finishing_ = nullptr;
    }
    Over(run.get());
    return true;
}

bool JobRunner::Call(const std::function<void()>& piece) {
    QPointer<JobRunner> self(this);
    inPiece_ = true;
    piece();
    if (!self) return false;
    inPiece_ = false;
    return true;
}

void JobRunner::Over(const Run* run) {
    if (run_.get() != run) return;  // chained from its done: the flag stays up
    run_.reset();
    busy_ = false;
}

}  // namespace orelle
