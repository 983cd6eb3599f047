#pragma once
// Reading photo files through Qt's decoders (libjpeg-turbo for JPEG). The
// file's own pixel size is the photo's size: orientation tags are ignored on
// purpose, since the print lab works with the stored pixels.
//
// Safe on any bytes: unreadable, empty or damaged input gives nothing or a
// null image, never a crash or a hang. Callable from any thread.

#include <QImage>
#include <QSize>
#include <optional>
#include <string>

class QIODevice;

namespace orelle {

class FileSystem;

// The pixel size from the header alone, without decoding: only the head
// of the file is read (FileDevice::kHead). Nothing when the file cannot
// be read, is not an image Qt reads, or has a side of 0.
std::optional<QSize> ReadPixelSize(FileSystem& fs, const std::string& path);
// On the machine's own file system.
std::optional<QSize> ReadPixelSize(const std::string& path);
// Reads from the device's current position; opens it read-only if closed.
std::optional<QSize> ReadPixelSize(QIODevice& device);

// The denominator (1, 2, 4 or 8) for decoding a picture of `full` pixels:
// level 0 allows 1, level 1 up to 4, level 2 (and above) up to 8. Within
// that, the largest one whose decoded size ceil(w/d) x ceil(h/d) still
// covers `atLeast` in both directions; an empty `atLeast` takes the
// level's maximum.
int ReducedDenominator(QSize full, int level, QSize atLeast = {});

// Decodes a JPEG at 1/ReducedDenominator of its size inside libjpeg, never
// at full size first. The result is ceil(w/d) x ceil(h/d). When both sides
// are multiples of d it is exactly libjpeg's DCT scaling; otherwise Qt's
// handler decodes at the next libjpeg scale up and shrinks that small
// picture. A truncated file, a missing file or one that is not a JPEG give
// a null image (the decoder would fill a cut picture with grey and call
// it a success). The file is read whole into memory first.
QImage DecodeReduced(FileSystem& fs, const std::string& path, int level, QSize atLeast = {});
// On the machine's own file system.
QImage DecodeReduced(const std::string& path, int level, QSize atLeast = {});

}  // namespace orelle
