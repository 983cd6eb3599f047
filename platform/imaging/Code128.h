#pragma once
// A Code 128 bar code of a text: digits in pairs (code set C), anything
// else printable ASCII one by one (code set B), a check symbol and the
// stop. One row of modules; a printer stretches it and leaves ten modules
// of quiet zone either side.

#include <string>

#include "platform/imaging/ModuleGrid.h"

namespace orelle {

inline constexpr int kCode128QuietModules = 10;

// An empty grid for an empty text or a character outside ASCII 32..126.
ModuleGrid Code128Modules(const std::string& text);

}  // namespace orelle
