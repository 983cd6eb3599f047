#pragma once
// Windows cursor files (.cur): one 32-bit image with its hot spot. The
// buttons read the hand cursor from the program folder; the build writes
// it there.
//
// Bytes written, little-endian: ICONDIR (0, type 2, count 1); one entry
// (width, height, 0, 0, hot x, hot y, size of the image data, offset 22);
// the image data: a BITMAPINFOHEADER (40, width, 2 * height, 1 plane,
// 32 bits, no compression), the BGRA rows bottom-up, then the AND mask
// rows bottom-up, one bit a pixel, each row padded to 32 bits.

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <optional>
#include <string>

namespace orelle {

// image must be at most 256 x 256.
QByteArray EncodeCursorFile(const QImage& image, QPoint hotSpot);

// Nothing when the file is missing or is not a cursor file.
std::optional<QCursor> LoadCursorFile(const std::string& path);

// The program folder's hand cursor, read afresh at every call.
std::optional<QCursor> HandCursor();

}  // namespace orelle
