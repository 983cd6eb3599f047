#pragma once
// The order date and order number prefix, fixed when the library is loaded:
// every order of the process is filed under that date, also one placed after
// midnight.

#include <cstdint>
#include <string>

#include "platform/clock/Clock.h"

namespace orelle {

struct OrderDate {
    std::string dateStr;     // "%d-%d-%d", e.g. 2015-3-7
    std::string datePrefix;  // two digits each of year % 100, month, day, e.g. 150307

    static OrderDate From(const LocalTime& t);
    // "20" and the prefix read as one decimal number (20150307): the date
    // that the host and the uploader are given with a new order.
    std::int32_t DateNumber() const;
};

}  // namespace orelle
