#include "platform/clock/Clock.h"

#include <chrono>
#include <ctime>

namespace orelle {
namespace {

class SystemClock : public Clock {
  public:
    LocalTime Now() const override {
        std::time_t now = std::time(nullptr);
        std::tm tm{};
        localtime_r(&now, &tm);
        return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    }
};

class MachineSteadyClock : public SteadyClock {
  public:
    std::int64_t Milliseconds() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

}  // namespace

const SteadyClock& SteadyClock::Default() {
    static MachineSteadyClock clock;
    return clock;
}

const Clock& Clock::Default() {
    static SystemClock clock;
    return clock;
}

}  // namespace orelle
