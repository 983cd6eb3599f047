#pragma once
// Runs the station's workers, one job at a time: before on the UI thread,
// work on a thread of its own, done back on the UI thread. What the work
// sends through its JobContext (steps, questions, posted pieces) reaches
// the UI thread in the order it was made, from the event loop or from
// Wait, whichever gets to it first; each piece runs exactly once.
//
// The runner lives on the UI thread, and every method is called there. It
// owns the worker thread and the job; the job's functions are destroyed on
// the UI thread. A job holds the process's busy flag from Start until it is
// over, so that commands and keys wait meanwhile; the runner lowers it in
// one place, when the job is over and none was chained from its done.
//
// A job's UI pieces never overlap: while one of them runs a nested event
// loop (a modal dialog in ask or done), nothing else of this runner runs.
// The work must not throw, and must reach the UI thread only through its
// context: Wait would never return for a work that waits on the event loop
// by another way.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "platform/jobs/JobContext.h"

namespace orelle {

class JobRunner : public QObject {
  public:
    struct Job {
        // The {} let a caller name only the pieces it has.
        std::function<void()> before{};                 // UI thread, before the worker starts
        std::function<void(JobContext&)> work{};        // the worker thread
        std::function<void()> done{};                   // UI thread, once, unless stopped
        std::function<void()> step{};                   // UI thread, per JobContext::Step
        std::function<bool(const std::string&)> ask{};  // UI thread; none answers no
    };

    // No parent: the owner holds the runner as a member declared after
    // everything the work touches, so that the worker is joined first.
    explicit JobRunner(std::atomic<bool>& busy);
    // Stops the job and joins its worker; no done runs. Lowers the flag if
    // a job of this runner holds it. Also allowed from inside the job's own
    // pieces.
    ~JobRunner() override;
    JobRunner(const JobRunner&) = delete;
    JobRunner& operator=(const JobRunner&) = delete;

    // False, and nothing runs, when the job has neither work nor before,
    // when this runner has a job, or when the busy flag is raised, unless
    // called from the done of this runner's job: then the new job follows
    // it under the same raised flag. Otherwise raises the flag; before runs
    // once the events that led here are handled, then the work starts.
    // before may call Stop to give the job up: no work, no done.
    bool Start(Job job);

    // Asks the work to stop: the job's done never runs, its steps, posted
    // pieces and questions not yet run are dropped, and a question it waits
    // on answers false. The job is over, and Running false, once the worker
    // has returned and the UI thread has seen it (the event loop or Wait).
    void Stop();

    // Gives the job up without waiting for its worker, which may be stuck
    // (a card reader that hangs): as Stop, and the job is over at once and
    // the flag lowered. The worker ends on its own and nothing it sends is
    // seen; its work must own everything it touches, and its job's
    // functions are then destroyed on the worker.
    void Abandon();

    // Returns when no job is left, chained ones included, running the
    // job's UI pieces itself meanwhile; it blocks without spinning the
    // event loop. From inside one of this runner's own pieces it returns at
    // once, since it would wait for itself.
    void Wait();

    bool Running() const { return run_ != nullptr; }

  private:
    struct Run;
    struct Piece;
    struct Shared;
    class Context;

    // From either thread; nothing of an abandoned job is queued.
    static void Push(Shared& shared, JobRunner* runner, Piece piece);
    void Push(Piece piece);
    void WakeLater();
    void Deliver();  // the event loop's turn
    // Each returns false when a piece destroyed the runner.
    bool RunPiece(Piece piece);
    bool Begin(const std::shared_ptr<Run>& run);
    bool End(const std::shared_ptr<Run>& run);
    bool Call(const std::function<void()>& piece);
    void Over(const Run* run);

    std::atomic<bool>& busy_;
    std::shared_ptr<Shared> shared_;  // an abandoned worker's too
    std::shared_ptr<Run> run_;        // the job now; it holds the flag
    const Run* finishing_ = nullptr;  // the job whose done runs now
    bool inPiece_ = false;
};

}  // namespace orelle
