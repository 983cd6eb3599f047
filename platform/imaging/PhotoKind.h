#pragma once
// What kind of photo a file holds, told by its first bytes (never by its
// name): cards bring JPEG, phones also HEIF (HEIC) and PNG. Any bytes are
// safe.

#include <cstddef>
#include <string_view>

namespace orelle {

enum class PhotoKind { kUnknown, kJpeg, kPng, kHeif };

// How many leading bytes PhotoKindOf looks at, at most.
inline constexpr std::size_t kPhotoKindHeadBytes = 64;

PhotoKind PhotoKindOf(std::string_view head);

// The extension of a file of that kind, with its dot (".jpg", ".heic",
// ".png"); empty for kUnknown.
const char* PhotoKindExtension(PhotoKind kind);

}  // namespace orelle
