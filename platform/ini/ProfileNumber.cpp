#include "platform/ini/ProfileNumber.h"

#include <charconv>
#include <cmath>

namespace orelle {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view SkipBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

std::int32_t ParseProfileInt(std::string_view text) {
    std::string_view s = SkipBlanks(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    unsigned base = 10;
    if (s.size() >= 2 && s[0] == '0') {
        char p = s[1];
        if (p == 'x' || p == 'X') base = 16;
        if (p == 'o' || p == 'O') base = 8;
        if (p == 'b' || p == 'B') base = 2;
        if (base != 10) s.remove_prefix(2);
    }
    std::uint32_t value = 0;
    for (char c : s) {
        int d = DigitValue(c);
        if (d >= static_cast<int>(base)) break;
        value = value * base + static_cast<std::uint32_t>(d);
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

double ParseDecimal(std::string_view text) {
    std::string_view s = SkipBlanks(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) ++j;
            i = j;
        }
    }
    // from_chars takes no leading '+'.
    std::size_t begin = s.front() == '+' ? 1 : 0;
    double value = 0.0;
    auto [end, ec] = std::from_chars(s.data() + begin, s.data() + i, value);
    (void)end;
    if (ec != std::errc() || !std::isfinite(value)) return 0.0;
    return value;
}

}  // namespace orelle
