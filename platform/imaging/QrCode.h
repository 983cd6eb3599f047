#pragma once
// A QR code of a text (libqrencode): its modules, or drawn black on white
// with the quiet zone of four modules that readers expect.

#include <QImage>
#include <string>

#include "platform/imaging/ModuleGrid.h"

namespace orelle {

inline constexpr int kQrQuietModules = 4;

// Error correction M; an empty grid when the text does not fit a QR code.
ModuleGrid QrModules(const std::string& text);

// Each module moduleSize pixels square; a null image when the text does not
// fit a QR code.
QImage QrCodeImage(const std::string& text, int moduleSize);

// The code as PNG bytes at a size a phone's screen shows sharply; empty
// when the text does not fit a QR code.
std::string QrCodePng(const std::string& text);

}  // namespace orelle
