#include "platform/imaging/EmbeddedPreview.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/imaging/ExifTiff.h"
#include "platform/imaging/JpegDecoder.h"
#include "platform/imaging/JpegLayout.h"
#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/PictureRotation.h"

namespace orelle {
namespace {

// -1 portrait, 0 square, 1 landscape.
int Shape(QSize s) { return (s.width() > s.height()) - (s.width() < s.height()); }

// The centre of picture in the proportions of full.
QImage CutToShape(const QImage& picture, QSize full) {
    const long long pw = picture.width(), ph = picture.height();
    if (pw * full.height() > ph * full.width()) {
        const int w = static_cast<int>((ph * full.width() + full.height() / 2) / full.height());
        return w > 0 ? picture.copy((picture.width() - w) / 2, 0, w, picture.height()) : QImage();
    }
    const int h = static_cast<int>((pw * full.height() + full.width() / 2) / full.width());
    return h > 0 ? picture.copy(0, (picture.height() - h) / 2, picture.width(), h) : QImage();
}

// Thumbnail qualities tried, best first, until one fits the old bytes.
constexpr int kThumbnailQualities[] = {90, 75, 60, 45, 30};

}  // namespace

void TurnExifThumbnail(char* tiff, std::size_t size, int orientation) {
    const std::optional<ByteSpan> thumb = ExifThumbnail(std::string_view(tiff, size));
    if (!thumb) return;
    const std::string_view bytes(tiff + thumb->offset, thumb->size);
    const std::optional<JpegLayout> frame = ReadJpegFrame(bytes);
    QImage upright;
    if (frame && static_cast<long long>(frame->width) * frame->height <= kMaxPreviewPixels)
        upright = UprightPicture(DecodeJpeg(bytes, 1), orientation);
    for (int quality : kThumbnailQualities) {
        if (upright.isNull()) break;
        const std::string turned = EncodeJpeg(upright, quality, {});
        if (turned.empty() || turned.size() > thumb->size) continue;
        std::copy(turned.begin(), turned.end(), tiff + thumb->offset);
        SetExifThumbnailLength(tiff, size, static_cast<std::uint32_t>(turned.size()));
        return;
    }
    SetExifThumbnailLength(tiff, size, 0);
}

QImage DecodeEmbeddedPreview(std::string_view head, QSize full, QSize atLeast) {
    if (full.isEmpty()) return {};
    const std::optional<ByteSpan> exif = FindJpegExif(head);
    if (!exif) return {};
    const std::string_view tiff = head.substr(exif->offset, exif->size);
    const std::optional<ByteSpan> thumb = ExifThumbnail(tiff);
    if (!thumb) return {};
    const std::string_view bytes = tiff.substr(thumb->offset, thumb->size);
    const std::optional<JpegLayout> frame = ReadJpegFrame(bytes);
    if (!frame || static_cast<long long>(frame->width) * frame->height > kMaxPreviewPixels)
        return {};
    // Turned as the picture is: a copy not turned yet shows upright too.
    const int orientation = ExifOrientation(tiff);
    const QSize stored(frame->width, frame->height);
    const QSize shown = OrientationSwapsSides(orientation) ? stored.transposed() : stored;
    if (Shape(shown) * Shape(full) < 0) return {};
    const QImage picture =
        DecodeJpeg(bytes, atLeast.isEmpty() ? 1 : ReducedDenominator(shown, 2, atLeast));
    if (picture.isNull()) return {};
    return CutToShape(orientation == 1 ? picture : UprightPicture(picture, orientation), full);
}

}  // namespace orelle
