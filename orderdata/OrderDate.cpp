#include "orderdata/OrderDate.h"

#include <cstdio>
#include <cstdlib>

namespace orelle {

OrderDate OrderDate::From(const LocalTime& t) {
    char date[48];
    std::snprintf(date, sizeof date, "%d-%d-%d", t.year, t.month, t.day);
    char prefix[48];
    std::snprintf(prefix, sizeof prefix, "%02d%02d%02d", t.year % 100, t.month, t.day);
    return {date, prefix};
}

std::int32_t OrderDate::DateNumber() const {
    return static_cast<std::int32_t>(std::strtol(("20" + datePrefix).c_str(), nullptr, 10));
}

}  // namespace orelle
