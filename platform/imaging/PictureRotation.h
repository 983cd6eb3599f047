#pragma once
// Turning a picture by any angle, as the imaging control of the station did.

#include <QImage>

namespace orelle {

// Positive degrees turn counter-clockwise as seen on the screen (to turn a
// photo a degrees clockwise, pass 360 - a). The result grows to the turned
// picture's bounding box; the new corners are RGB(124,124,124). Multiples
// of 90 move pixels without resampling and keep the format; other angles
// resample smoothly into Format_RGB32. A null picture stays null.
QImage RotatePicture(const QImage& picture, double degrees);

}  // namespace orelle
