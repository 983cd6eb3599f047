#include "orderdata/OrderTimes.h"

#include <cstdio>

namespace orelle {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool Plausible(const LocalTime& t) {
    return t.year >= 1970 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= 31 && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
           t.second >= 0 && t.second <= 60;
}

std::optional<LocalTime> Checked(const LocalTime& t) {
    if (!Plausible(t)) return std::nullopt;
    return t;
}

}  // namespace

std::int64_t LocalSeconds(const LocalTime& t) {
    return DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) *
               86400 +
           t.hour * 3600 + t.minute * 60 + t.second;
}

std::optional<LocalTime> ParseOrderTime(std::string_view date, std::string_view time) {
    LocalTime t;
    char end = 0;
    const std::string d(date);
    if (std::sscanf(d.c_str(), "%d-%d-%d%c", &t.year, &t.month, &t.day, &end) != 3)
        return std::nullopt;
    const std::string h(time);
    if (!h.empty() &&
        std::sscanf(h.c_str(), "%d:%d:%d%c", &t.hour, &t.minute, &t.second, &end) != 3)
        return std::nullopt;
    return Checked(t);
}

std::string StampText(const LocalTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%d-%d-%d %d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

std::optional<LocalTime> ParseStamp(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    return ParseOrderTime(text.substr(0, space), text.substr(space + 1));
}

}  // namespace orelle
