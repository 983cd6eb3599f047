#include "platform/imaging/PictureOnPaper.h"

#include <QPainter>

namespace orelle {

QImage OnPaper(const QImage& picture, const QColorSpace& colours) {
    if (picture.isNull()) return {};
    if (picture.format() == QImage::Format_Grayscale8 && !colours.isValid()) return picture;
    QImage out(picture.size(), QImage::Format_RGB32);
    if (out.isNull()) return {};
    if (picture.hasAlphaChannel()) {
        out.fill(Qt::white);
        QPainter painter(&out);
        painter.drawImage(0, 0, picture);
    } else {
        out = picture.convertToFormat(QImage::Format_RGB32);
        if (out.isNull()) return {};
    }
    if (colours.isValid() && colours != QColorSpace(QColorSpace::SRgb)) {
        out.setColorSpace(colours);
        out.convertToColorSpace(QColorSpace(QColorSpace::SRgb));
    }
    return out;
}

}  // namespace orelle
