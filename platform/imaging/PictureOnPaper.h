#pragma once
// A decoded picture made ready for a JPEG copy: its colours in sRGB and
// what is transparent laid on white paper. Any thread.

#include <QColorSpace>
#include <QImage>

namespace orelle {

// RGB32 in sRGB (a grey picture without alpha stays Grayscale8). An
// invalid `colours` means the picture is sRGB already. Null for a null
// picture or when memory runs out.
QImage OnPaper(const QImage& picture, const QColorSpace& colours);

}  // namespace orelle
