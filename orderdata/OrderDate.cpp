#include "orderdata/OrderDate.h"

#include <cstdio>

namespace orelle {

OrderDate OrderDate::From(const LocalTime& t) {
    char date[48];
    std::snprintf(date, sizeof date, "%d-%d-%d", t.year, t.month, t.day);
    char prefix[48];
    std::snprintf(prefix, sizeof prefix, "%02d%02d%02d", t.year % 100, t.month, t.day);
    return {date, prefix};
}

}  // namespace orelle
