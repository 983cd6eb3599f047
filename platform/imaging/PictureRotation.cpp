#include "platform/imaging/PictureRotation.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

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

}  // namespace orelle
