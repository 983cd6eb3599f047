#pragma once
// Reading JPEG photo files (libjpeg-turbo, with the limits of JpegDecoder).
// Sizes and pictures are as the photo is meant to be seen (its EXIF
// orientation applied): the station's copies are stored upright with the
// tag at 1, and a copy not turned yet shows and measures as it will.
//
// Safe on any bytes: unreadable, empty, damaged or hostile input gives
// nothing or a null image in bounded time and memory, never a crash or a
// hang. Callable from any thread.

#include <QImage>
#include <QSize>
#include <optional>
#include <string>
#include <string_view>

namespace orelle {

class FileSystem;

// A header is looked for in the first 16 MB (phones keep MBs of depth data
// before the picture); a photo file may be 512 MB at most.
constexpr std::size_t kPhotoHeadLimit = std::size_t{16} << 20;
constexpr std::size_t kMaxPhotoBytes = std::size_t{512} << 20;

// The pixel size from the header alone, without decoding: only the head
// of the file is read. Nothing when the file cannot be read, is not a
// JPEG, or has a side of 0.
// With head, the bytes read are left there (the EXIF segments and the
// frame header at least, when the size is found).
std::optional<QSize> ReadPixelSize(FileSystem& fs, const std::string& path,
                                   std::string* head = nullptr);
// On the machine's own file system.
std::optional<QSize> ReadPixelSize(const std::string& path);
std::optional<QSize> PixelSizeFromBytes(std::string_view bytes);

// The denominator (1, 2, 4 or 8) for decoding a picture of `full` pixels:
// level 0 allows 1, level 1 up to 4, level 2 (and above) up to 8. Within
// that, the largest one whose decoded size ceil(w/d) x ceil(h/d) still
// covers `atLeast` in both directions; an empty `atLeast` takes the
// level's maximum.
int ReducedDenominator(QSize full, int level, QSize atLeast = {});

// The whole file, when it is no larger than kMaxPhotoBytes.
bool ReadPhotoBytes(FileSystem& fs, const std::string& path, std::string* bytes);

// Decodes a JPEG at 1/ReducedDenominator of its size inside libjpeg, never
// at full size first: ceil(w/d) x ceil(h/d). A truncated or damaged file,
// a missing one, one that is not a JPEG or one DecodeJpeg refuses gives a
// null image. The file is read whole into memory first.
QImage DecodeReduced(FileSystem& fs, const std::string& path, int level, QSize atLeast = {});
// On the machine's own file system.
QImage DecodeReduced(const std::string& path, int level, QSize atLeast = {});
QImage DecodeReducedFromBytes(std::string_view bytes, int level, QSize atLeast = {});

}  // namespace orelle
