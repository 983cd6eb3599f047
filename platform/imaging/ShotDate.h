#pragma once
// The recorded date of a photo: the first EXIF entry with tag 306
// (DateTime), searching IFD 0, 1, 2 ... and within each its entries in
// stored order, given as libexif renders it ("2024:05:01 12:30:00").
//
// Only the JPEG segments before the first scan are looked at, and only the
// first EXIF APP1 segment is read into memory. No EXIF, no such entry, or
// damaged data give an empty string. Safe on any bytes; any thread.

#include <string>
#include <string_view>

namespace orelle {

std::string ReadShotDate(const std::string& path);
std::string ReadShotDateFromBytes(std::string_view bytes);

}  // namespace orelle
