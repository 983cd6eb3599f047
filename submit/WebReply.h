#pragma once
// Reading the order web server's replies: each value is written as its
// key, "=", the value and "%", anywhere in the text.

#include <string>
#include <string_view>

namespace orelle {

// The value after the first "key=" up to the next "%"; empty when the key
// with its "=" does not occur or no "%" follows it.
std::string GetReplyField(std::string_view reply, std::string_view key);

// True when the reply carries a status at all ("status=").
bool HasReplyStatus(std::string_view reply);

// The status as a decimal integer, read as atoi reads it (blanks, a sign,
// the leading digits); anything else reads as 0. A number beyond the range
// of an int reads as the nearest end of it, which no caller knows.
int ReplyStatus(std::string_view reply);

}  // namespace orelle
