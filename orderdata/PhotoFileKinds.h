#pragma once
// Which of the customer's files the station takes for photos, by name: a
// card's JPEG photos and a phone's HEIF and PNG ones. What a file really
// holds is told by its content when it is copied (platform/imaging's
// StationCopy).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orelle {

// Lower case, without the dot.
inline constexpr std::array<std::string_view, 5> kPhotoExtensions{"jpg", "jpeg", "heic", "heif",
                                                                  "png"};

// The name ends in one of kPhotoExtensions, in any letter case.
bool IsPhotoName(std::string_view name);

// The room a photo of that name and size takes in the work folder, at
// most: a phone's HEIF photo becomes a JPEG copy at high quality, several
// times its size (a PNG's copy is smaller than the PNG).
std::uint64_t CopyBytesAtMost(std::string_view name, std::uint64_t bytes);

// The name of a copy that holds a JPEG: a ".jpg" or ".jpeg" name stays,
// any other extension becomes ".jpg" (IMG_1.heic -> IMG_1.jpg).
std::string JpegCopyName(const std::string& name);

// "*.jpg", "*.jpeg" ... "*.JPG" ... for the pickers' filters.
std::vector<std::string> PhotoNamePatterns();

}  // namespace orelle
