#pragma once
// orelle-gallery DIR: renders every skinned dialog and popup in its typical
// states to PNG files in DIR, without a display.

#include <string>

namespace orelle::app {

// With the settings of settingsFolder. Needs a QApplication. Returns false
// when a file cannot be written.
bool RenderGallery(const std::string& folder, const std::string& settingsFolder);

}  // namespace orelle::app
