#pragma once
// The recorded date of a photo: the first EXIF entry with tag 36867
// (DateTimeOriginal, when the shot was taken), else 36868
// (DateTimeDigitized), else 306 (DateTime, the last change), each searched
// through IFD 0, 1, 2 ... and within each its entries in stored order,
// given as libexif renders it ("2024:05:01 12:30:00").
//
// Only the JPEG segments before the first scan are looked at, and only the
// head of a file is read (FileDevice::kHead). No EXIF, no such entry, or
// damaged data give an empty string. Safe on any bytes; any thread.

#include <string>
#include <string_view>

namespace orelle {

class FileSystem;

std::string ReadShotDate(FileSystem& fs, const std::string& path);
// On the machine's own file system.
std::string ReadShotDate(const std::string& path);
std::string ReadShotDateFromBytes(std::string_view bytes);

}  // namespace orelle
