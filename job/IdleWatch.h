#pragma once
// How long nobody has touched the station while a customer's visit is on
// screen (a job, the folder picker, a phone visit): after the idle span a
// warning counts down, and after the countdown the visit ends. A touch or a
// key starts the span again, during the warning too. While something else
// keeps the customer waiting or busy (an exchange with the back office,
// text typed into the order dialog) the span does not run; it starts whole
// after. Window-free, on the clock handed in; UI thread.

#include <cstdint>

#include "platform/clock/Clock.h"

namespace orelle {

class IdleWatch {
  public:
    // Long enough to come back from the counter, and above the 20 seconds
    // that WCAG 2.2.1 asks of a warning before a time-out.
    static constexpr int kWarningSeconds = 30;

    enum class Phase { kQuiet, kWarning, kEnd };

    // idleSeconds 0 or below: the visit never times out.
    IdleWatch(const SteadyClock& clock, int idleSeconds, int warningSeconds = kWarningSeconds);

    // Where the visit stands now. kEnd comes once; the span then starts
    // again.
    Phase Poll(bool watched, bool paused);
    // A touch or a key.
    void Touched();
    // Whole seconds left of the countdown, rounded up.
    int SecondsLeft() const;

  private:
    const SteadyClock& clock_;
    std::int64_t idleMs_;
    std::int64_t warningMs_;
    std::int64_t since_;  // the last touch, or when the span last started
};

}  // namespace orelle
