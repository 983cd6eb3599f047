#include "platform/imaging/PictureRotation.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>

namespace orelle {

QImage RotatePicture(const QImage& picture, double degrees) {
    if (picture.isNull()) return picture;
    double turn = std::fmod(degrees, 360.0);
    if (turn < 0) turn += 360.0;
    // Screen y points down, so QTransform's positive angle is clockwise.
    QTransform transform;
    transform.rotate(-turn);
    if (std::fmod(turn, 90.0) == 0.0) {
        // QTransform makes these exact, and QImage then copies pixels only.
        return turn == 0.0 ? picture : picture.transformed(transform);
    }
    const QImage turned = picture.transformed(transform, Qt::SmoothTransformation);
    QImage out(turned.size(), QImage::Format_RGB32);
    out.fill(QColor(124, 124, 124));
    QPainter painter(&out);
    painter.drawImage(0, 0, turned);
    return out;
}

QImage UprightPicture(const QImage& picture, int orientation) {
    if (orientation < 2 || orientation > 8 || picture.isNull()) return picture;
    // Turned clockwise first, then mirrored across the vertical axis.
    static constexpr int kTurn[9] = {0, 0, 0, 180, 180, 90, 90, 270, 270};
    static constexpr bool kMirror[9] = {false, false, true, false, true, true, false, true, false};
    QImage turned = RotatePicture(picture, 360 - kTurn[orientation]);
    return kMirror[orientation] ? turned.mirrored(true, false) : turned;
}

PixelSize RotatedBounds(std::int32_t w, std::int32_t h, std::int32_t angle) {
    using Wide = std::int64_t;
    if (angle == 0) return {w, h};
    const std::int32_t a = angle > 180 ? angle - 180 : angle;
    const std::int32_t t = a > 90 ? a - 90 : a;
    const double theta = t * 0.002777777777777778 * 6.283185307;
    const double r = std::trunc(std::sqrt(static_cast<double>(Wide{w} * w + Wide{h} * h)) + 0.5);
    if (r == 0) return {w, h};
    // r is at least |w| and |h|, so the sine stays within asin's domain.
    auto side = [&](std::int32_t n) {
        const Wide v = static_cast<Wide>(std::trunc(std::sin(std::asin(n / r) + theta) * r + 0.5));
        return static_cast<std::int32_t>(
            std::min<Wide>(v < 0 ? -v : v, std::numeric_limits<std::int32_t>::max()));
    };
    if (a > 90) return {side(h), side(w)};
    return {side(w), side(h)};
}

}  // namespace orelle
