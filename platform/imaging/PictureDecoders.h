#pragma once
// Decoding the phone formats the station turns into JPEG copies: HEIF
// (HEIC) through libheif and PNG through libpng. The size a file claims is
// checked against ConversionLimits before anything is decoded; damaged or
// hostile files give a null picture in bounded time and memory. Any
// thread.

#include <QImage>
#include <string>
#include <string_view>

namespace orelle {

// What a decoded phone photo brings along.
struct DecodedPhoto {
    // sRGB, upright, transparent parts laid on white (the paper): RGB32,
    // or Grayscale8. Null when the file is refused.
    QImage picture;
    // The photo's EXIF block (TIFF structure) when it has one, its
    // orientation already applied to the picture.
    std::string exif;
};

DecodedPhoto DecodeHeif(std::string_view bytes);
DecodedPhoto DecodePng(std::string_view bytes);

// A PNG photo as the station's JPEG copy (what CopyJpeg makes of
// DecodePng), encoded as its rows are decoded: only a photo that has to be
// turned is held whole. Empty when the photo is refused.
std::string PngAsJpeg(std::string_view bytes);

}  // namespace orelle
