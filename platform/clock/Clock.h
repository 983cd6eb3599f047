#pragma once
// The local time, behind an interface so that tests can fix the date; and
// time that only goes forward, for spans, so that tests can move it.

#include <cstdint>

namespace orelle {

struct LocalTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
    // The machine's clock in its local time zone.
    static const Clock& Default();
};

// A clock that always answers the same time (tests and benchmarks).
class FixedClock : public Clock {
  public:
    explicit FixedClock(LocalTime t) : t_(t) {}
    LocalTime Now() const override { return t_; }

  private:
    LocalTime t_;
};

// Not the date: a span measured on it is never bent by a clock set anew.
class SteadyClock {
  public:
    virtual ~SteadyClock() = default;
    // Milliseconds from some start of the machine's.
    virtual std::int64_t Milliseconds() const = 0;
    static const SteadyClock& Default();
};

}  // namespace orelle
