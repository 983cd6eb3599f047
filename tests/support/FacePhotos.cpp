#include "support/FacePhotos.h"

#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/PictureRotation.h"
#include "platform/imaging/ShotDateWriter.h"

namespace orelle::testing {
namespace {

constexpr const char* kPortrait = "/usr/lib/python3/dist-packages/skimage/data/astronaut.png";
// The head in the portrait, hair to chin, and its face box within.
const QRect kHead(130, 0, 190, 230);
const QRect kFace(177, 66, 95, 95);

// Turns the upright picture so that orientation turns it back.
QImage Stored(const QImage& upright, int orientation) {
    switch (orientation) {
        case 3:
            return RotatePicture(upright, 180);
        case 6:
            return RotatePicture(upright, 90);
        case 8:
            return RotatePicture(upright, 270);
        default:
            return upright;
    }
}

}  // namespace

FacePhoto MakeFacePhoto(int w, int h, const std::vector<QPoint>& faceCorners, int orientation) {
    // The portrait's colour profile draws a warning from libpng, each time.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.warning=false"));
    const QImage portrait(kPortrait);
    if (portrait.isNull()) throw std::runtime_error("python3-skimage's astronaut.png is missing");
    const double k = static_cast<double>(kTestFaceSize) / kFace.width();
    const QImage head = portrait.copy(kHead).scaled(
        static_cast<int>(kHead.width() * k), static_cast<int>(kHead.height() * k),
        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(QColor(128, 128, 128));
    FacePhoto photo;
    QPainter painter(&canvas);
    for (const QPoint& at : faceCorners) {
        const QPoint offset(static_cast<int>((kFace.left() - kHead.left()) * k),
                            static_cast<int>((kFace.top() - kHead.top()) * k));
        painter.drawImage(at - offset, head);
        photo.faces.push_back({at.x(), at.y(), kTestFaceSize, kTestFaceSize});
    }
    painter.end();
    photo.jpeg = EncodeJpeg(Stored(canvas, orientation), 90, {});
    if (orientation != 1) {
        photo.jpeg = WithExif(
            photo.jpeg,
            {{.ifd = 0, .tag = 274, .text = {}, .value = static_cast<unsigned>(orientation)}});
    }
    return photo;
}

void WriteFacePhoto(const std::string& path, const FacePhoto& photo) {
    std::ofstream(path, std::ios::binary) << photo.jpeg;
}

bool SameFace(const FaceBox& found, const FaceBox& pasted) {
    const int near = pasted.width / 3;
    return std::abs(found.left - pasted.left) <= near && std::abs(found.top - pasted.top) <= near &&
           std::abs(found.width - pasted.width) <= near;
}

}  // namespace orelle::testing
