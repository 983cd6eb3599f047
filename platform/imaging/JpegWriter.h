#pragma once
// Encoding pictures as JPEG (libjpeg-turbo), for the station's own copies
// of photos that arrive turned or in another format. Any thread.

#include <QImage>
#include <string>
#include <string_view>

namespace orelle {

// What a copy made anew is encoded at: fine enough for any print.
constexpr int kCopyQuality = 95;

// The picture (any format; alpha is not kept) as a JPEG, 4:2:0 (grey
// stays grey). When `segments` (whole APPn/COM segments) is not empty it
// stands right after the start marker in place of the encoder's own JFIF
// segment. Empty on failure or for a null picture.
std::string EncodeJpeg(const QImage& picture, int quality, std::string_view segments);

// An APP1 segment holding an EXIF block (the TIFF structure); empty when
// the block is empty or does not fit one segment.
std::string ExifSegment(std::string_view tiff);

}  // namespace orelle
