#pragma once
// A steady clock that moves only when the test moves it.

#include <cstdint>

#include "platform/clock/Clock.h"

namespace orelle::testing {

class FakeSteadyClock : public SteadyClock {
  public:
    std::int64_t Milliseconds() const override { return ms; }
    void Seconds(int s) { ms += std::int64_t{1000} * s; }
    std::int64_t ms = 1000;
};

}  // namespace orelle::testing
