#pragma once
// What a job's work function is handed on its worker thread: the stop
// token, and the only ways it reaches the windows, progress steps,
// yes/no questions and pieces to run on the UI thread. Whoever runs the
// job owns the context; the work only borrows it for the length of the
// call and calls it from the thread it runs on. JobRunner delivers
// everything to the UI thread in the order the work made it;
// InlineJobContext runs it at once on the caller's thread, for tests and
// tools without an event loop.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace orelle {

class JobContext {
  public:
    virtual ~JobContext() = default;

    // True once the job was stopped: the work should return soon; what it
    // makes from then on reaches nobody.
    virtual bool Stopped() const = 0;
    // One more unit of progress. Never blocks; dropped once stopped.
    virtual void Step() = 0;
    // A yes/no question for the customer, answered on the UI thread; blocks
    // until then. False at once, unasked, once stopped; a stop while it
    // waits answers false.
    virtual bool Ask(const std::string& question) = 0;
    // Runs uiStep on the UI thread later, in order with the steps; dropped
    // once stopped. It may run after the work has moved on or returned, so
    // it owns what it uses.
    virtual void Post(std::function<void()> uiStep) = 0;
};

// Runs everything on the calling thread as it comes: steps and posted
// pieces at once, questions through answer (none answers no). Stop may be
// called from any thread, or from inside a step to stop the work there.
class InlineJobContext final : public JobContext {
  public:
    std::function<bool(const std::string& question)> answer;
    std::function<void()> onStep;

    // What got through, for tests to compare.
    int steps = 0;
    std::vector<std::string> questions;

    void Stop() { stopped_ = true; }

    bool Stopped() const override { return stopped_; }
    void Step() override {
        if (stopped_) return;
        ++steps;
        if (onStep) onStep();
    }
    bool Ask(const std::string& question) override {
        if (stopped_) return false;
        questions.push_back(question);
        return answer && answer(question) && !stopped_;
    }
    void Post(std::function<void()> uiStep) override {
        if (!stopped_ && uiStep) uiStep();
    }

  private:
    std::atomic<bool> stopped_{false};
};

}  // namespace orelle
