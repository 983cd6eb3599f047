#pragma once
// What an order number from the back office (the web server, the database
// or the album login) must be before the station names files with it and
// writes it into the order files.

#include <cstddef>
#include <string>

namespace orelle {

inline constexpr std::size_t kOrderNumberMaxBytes = 20;

// True for 1 to 20 bytes of GBK text with no control character (so no
// line break) and no path separator. An empty text is no number.
bool IsUsableOrderNumber(const std::string& utf8);

}  // namespace orelle
