#include "platform/imaging/PictureOnPaper.h"

#include <QPainter>

#include "platform/imaging/ExifTiff.h"
#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/PictureRotation.h"

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

DecodedPhoto UprightPhoto(const QImage& picture, std::string exif, bool turnedAlready) {
    const int orientation = ExifOrientation(exif);
    DecodedPhoto photo{turnedAlready ? picture : UprightPicture(picture, orientation),
                       std::move(exif)};
    MarkExifUpright(photo.exif.data(), photo.exif.size(), OrientationSwapsSides(orientation));
    return photo;
}

std::string CopyJpeg(const DecodedPhoto& photo) {
    return EncodeJpeg(photo.picture, kCopyQuality, ExifSegment(photo.exif));
}

}  // namespace orelle
