#pragma once
// A decoded picture made ready for a JPEG copy: its colours in sRGB, what
// is transparent laid on white paper, upright. Any thread.

#include <QColorSpace>
#include <QImage>
#include <string>

#include "platform/imaging/PictureDecoders.h"

namespace orelle {

// RGB32 in sRGB (a grey picture without alpha stays Grayscale8). An
// invalid `colours` means the picture is sRGB already. Null for a null
// picture or when memory runs out.
QImage OnPaper(const QImage& picture, const QColorSpace& colours);

// The photo turned by its EXIF orientation, unless its file turned it
// already; the block then says it is upright.
DecodedPhoto UprightPhoto(const QImage& picture, std::string exif, bool turnedAlready);

// The station's JPEG copy of a decoded photo, its EXIF kept; empty for a
// null picture.
std::string CopyJpeg(const DecodedPhoto& photo);

}  // namespace orelle
