#pragma once

#include <string>
#include <string_view>

namespace orelle::text {

// Every CR and every LF replaced by a space, so that a text written as one
// line of a file stays one line ("a\r\nb" becomes "a  b").
std::string SingleLine(std::string_view s);
// The same, appended to out.
void AppendSingleLine(std::string& out, std::string_view s);

}  // namespace orelle::text
