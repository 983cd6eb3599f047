#pragma once
// Turning a picture by any angle, as the imaging control of the station did.

#include <QImage>
#include <cstdint>

namespace orelle {

// Positive degrees turn counter-clockwise as seen on the screen (to turn a
// photo a degrees clockwise, pass 360 - a). The result grows to the turned
// picture's bounding box; the new corners are RGB(124,124,124). Multiples
// of 90 move pixels without resampling and keep the format; other angles
// resample smoothly into Format_RGB32. A null picture stays null.
QImage RotatePicture(const QImage& picture, double degrees);

// The picture as it is meant to be seen, for an EXIF orientation 1 to 8
// (2 mirrored, 3 turned 180, 4 flipped, 5 transposed, 6 turned 90
// clockwise, 7 transversed, 8 turned 90 counter-clockwise); pixels are
// moved, never resampled. Other values leave it as it is.
QImage UprightPicture(const QImage& picture, int orientation);

// Whether that orientation swaps width and height (5 to 8).
constexpr bool OrientationSwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const PixelSize&) const = default;
};
// The bounding box of a w x h photo turned by angle degrees, rounded as
// the imaging control rounded it: the crops stored for the lab are in its
// pixels.
PixelSize RotatedBounds(std::int32_t w, std::int32_t h, std::int32_t angle);

}  // namespace orelle
