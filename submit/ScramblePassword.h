#pragma once
// The back-office password as the server wants it: a 20-character text
// from the password's GBK bytes, its letters and digits shifted, the rest
// filled with random characters, five pairs swapped.

#include <functional>
#include <string>
#include <string_view>

namespace orelle {

// At most the first 19 bytes of the password are used (cut at a character
// boundary), so the result is always a text of at most 20 bytes. random
// gives the filler (any non-negative int); by default a generator seeded
// with the time in seconds.
std::string ScramblePassword(std::string_view password, const std::function<int()>& random = {});

}  // namespace orelle
