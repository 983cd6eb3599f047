#pragma once
// A QR code of a text (libqrencode), drawn black on white with the quiet
// zone of four modules that readers expect.

#include <QImage>
#include <string>

namespace orelle {

// Each module moduleSize pixels square; a null image when the text does not
// fit a QR code.
QImage QrCodeImage(const std::string& text, int moduleSize);

}  // namespace orelle
