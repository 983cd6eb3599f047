#include "job/IdleWatch.h"

#include <algorithm>

namespace orelle {

IdleWatch::IdleWatch(const SteadyClock& clock, int idleSeconds, int warningSeconds)
    : clock_(clock),
      idleMs_(std::int64_t{1000} * std::max(idleSeconds, 0)),
      warningMs_(std::int64_t{1000} * warningSeconds),
      since_(clock.Milliseconds()) {}

IdleWatch::Phase IdleWatch::Poll(bool watched, bool paused) {
    const std::int64_t now = clock_.Milliseconds();
    if (idleMs_ == 0 || !watched || paused) {
        since_ = now;
        return Phase::kQuiet;
    }
    const std::int64_t quiet = now - since_;
    if (quiet < idleMs_) return Phase::kQuiet;
    if (quiet < idleMs_ + warningMs_) return Phase::kWarning;
    since_ = now;
    return Phase::kEnd;
}

void IdleWatch::Touched() { since_ = clock_.Milliseconds(); }

int IdleWatch::SecondsLeft() const {
    const std::int64_t left = idleMs_ + warningMs_ - (clock_.Milliseconds() - since_);
    return static_cast<int>(std::clamp<std::int64_t>((left + 999) / 1000, 0, warningMs_ / 1000));
}

}  // namespace orelle
