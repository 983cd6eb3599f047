#pragma once
// What kind of photo a file holds, told by its first bytes (never by its
// name): phones send JPEG, HEIF (HEIC) and PNG. Any bytes are safe.

#include <cstddef>
#include <string_view>

namespace orelle {

enum class PhotoKind { None, Jpeg, Heif, Png };

// How many leading bytes SniffPhotoKind looks at, at most.
inline constexpr std::size_t kPhotoKindHeadBytes = 32;

PhotoKind SniffPhotoKind(std::string_view head);

// The extension of a file of that kind, with its dot (".jpg", ".heic",
// ".png"); empty for None.
const char* PhotoKindExtension(PhotoKind kind);

}  // namespace orelle
