#include "platform/text/NumberText.h"

#include <charconv>
#include <cmath>

namespace orelle::text {

void AppendInt(std::string& out, std::int64_t value) {
    char digits[24];
    auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    (void)ec;  // 24 characters hold every 64-bit value
    out.append(digits, end);
}

std::string IntText(std::int64_t value) {
    std::string out;
    AppendInt(out, value);
    return out;
}

std::string FixedText(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    char digits[352];  // the longest finite double in fixed notation, plus decimals
    if (decimals < 0) decimals = 0;
    if (decimals > 17) decimals = 17;
    auto [end, ec] =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    if (ec != std::errc{}) return "0";
    return std::string(digits, end);
}

}  // namespace orelle::text
