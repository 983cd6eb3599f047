#pragma once
// Numbers as text, independent of the process locale (a Qt program sets the
// user's locale, which may write a decimal comma): what files and wires carry.

#include <cstdint>
#include <string>

namespace orelle::text {

// Decimal integer, as "%d".
void AppendInt(std::string& out, std::int64_t value);
std::string IntText(std::int64_t value);

// Fixed-point with that many decimals, as "%.Nf" in the C locale.
std::string FixedText(double value, int decimals);

}  // namespace orelle::text
