#pragma once
// Turning a JPEG upright by its EXIF orientation, for the station's own
// copy: losslessly (libjpeg-turbo's transform of the DCT blocks) when the
// picture's size allows it, otherwise decoded and encoded again at
// kCopyQuality. The orientation tag becomes 1; the rest of EXIF stays.
// Bounded like decoding (JpegLayout's walk first, capped memory, limited
// scans, a damaged stream fails). Any thread.

#include <optional>
#include <string>
#include <string_view>

namespace orelle {

// The EXIF orientation of a JPEG, 1 to 8; 1 without one.
int JpegOrientation(std::string_view bytes);

struct UprightJpeg {
    std::string bytes;
    bool lossless = false;
};

// The JPEG as it is meant to be seen. Nothing when it needs no turning or
// cannot be turned within the bounds.
std::optional<UprightJpeg> TurnJpegUpright(std::string_view bytes);

}  // namespace orelle
