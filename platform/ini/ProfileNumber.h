#pragma once
// Numbers in profile texts, read as the Windows profile functions and the C
// runtime read them, independent of the process locale.

#include <cstdint>
#include <string_view>

namespace orelle {

// As a profile integer: leading blanks, an optional sign, an optional 0x, 0o
// or 0b prefix and the digits up to the first other character. No digits
// read as 0; values beyond 32 bits wrap as they do on Windows.
std::int32_t ParseProfileInt(std::string_view text);

// As atof does with a decimal text: the longest leading decimal number
// (blanks, sign, digits, point, exponent); anything else, and values out of
// the range of a double, read as 0.
double ParseDecimal(std::string_view text);

}  // namespace orelle
