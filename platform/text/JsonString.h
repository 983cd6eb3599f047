#pragma once
// Texts put into the JSON that the phone's page and the shop's tools read.

#include <string>

namespace orelle::text {

// The UTF-8 text as a JSON string, quotes included: quote, backslash and
// control characters escaped, everything else as it is.
std::string JsonString(const std::string& text);

}  // namespace orelle::text
