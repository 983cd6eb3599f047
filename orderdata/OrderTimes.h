#pragma once
// Times of the order files as points on one line, so that ages can be
// told: a local time in seconds from 1 January 1970 of the same clock (no
// time zone: only differences mean something), and the texts the files
// hold them in.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock/Clock.h"

namespace orelle {

std::int64_t LocalSeconds(const LocalTime& t);

// A day folder's or order.ini's date ("2026-12-7") with a time ("9:5:30",
// absent: midnight); nothing when it does not read as one.
std::optional<LocalTime> ParseOrderTime(std::string_view date, std::string_view time = {});

// "2026-12-7 9:05:30", read back by ParseStamp.
std::string StampText(const LocalTime& t);
std::optional<LocalTime> ParseStamp(std::string_view text);

}  // namespace orelle
