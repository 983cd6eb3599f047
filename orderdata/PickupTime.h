#pragma once
// When a customer may come back for the prints: the order's time plus the
// shop's hours of work, moved to the next opening when that falls outside
// the opening hours. Pure: the clock's time is handed in.

#include <optional>
#include <string>

#include "platform/clock/Clock.h"

namespace orelle {

struct PickupSettings {
    std::string hours;  // [pickup] hours: hours until ready ("2", "1.5"); empty: no line
    std::string open;   // [pickup] open: "09:00-21:00"; empty: always open
};

// Nothing when hours is empty, not a number, negative or over a year. Opening hours
// whose end lies before their start run past midnight; equal ends, or a
// text that does not read as HH:MM-HH:MM, mean always open.
std::optional<LocalTime> PickupTime(const LocalTime& placed, const PickupSettings& settings);

// "预计 HH:MM 后可取件"; the day is named when it is not the order's
// ("预计明天 09:00 后可取件", "预计12月10日 09:00 后可取件"). Empty
// without a pickup time.
std::string PickupLine(const LocalTime& placed, const PickupSettings& settings);

}  // namespace orelle
