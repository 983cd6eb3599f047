#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orelle::text {

// Every CR and every LF replaced by a space, so that a text written as one
// line of a file stays one line ("a\r\nb" becomes "a  b").
std::string SingleLine(std::string_view s);
// The same in place. Safe on GBK bytes: no trail byte of a two-byte
// character is a CR or an LF.
void FlattenLineBreaks(char* begin, char* end);

}  // namespace orelle::text
