#pragma once
// orelle-kiosk --gallery DIR: renders every skinned dialog and popup in its
// typical states to PNG files in DIR, without a display.

#include <string>

namespace orelle::app {

// Needs a QApplication. Returns false when a file cannot be written.
bool RenderGallery(const std::string& folder);

}  // namespace orelle::app
