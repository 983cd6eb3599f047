// PNG photos through libpng (PngRows): the picture is laid on paper a band
// of rows at a time, and a copy that needs no turning is encoded as the
// rows arrive.
#include <cstring>
#include <optional>

#include "platform/imaging/ExifTiff.h"
#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureOnPaper.h"
#include "platform/imaging/PngRows.h"

namespace orelle {

DecodedPhoto DecodePng(std::string_view bytes) {
    PngHead head;
    QImage picture;
    int y = 0;
    const bool read = ReadPngRows(bytes, &head, [&](const QImage& band) {
        if (band.height() == head.height) {
            picture = band;
            return true;
        }
        if (picture.isNull()) picture = QImage(head.width, head.height, band.format());
        if (picture.isNull()) return false;
        const std::size_t length = static_cast<std::size_t>(band.width()) * band.depth() / 8;
        for (int i = 0; i < band.height(); ++i)
            std::memcpy(picture.scanLine(y++), band.constScanLine(i), length);
        return true;
    });
    if (!read) return {};
    return UprightPhoto(picture, std::move(head.exif), false);
}

std::string PngAsJpeg(std::string_view bytes) {
    PngHead head;
    std::optional<JpegRowWriter> writer;
    bool turned = false;
    const bool read = ReadPngRows(bytes, &head, [&](const QImage& band) {
        if (!writer) {
            turned = ExifOrientation(head.exif) != 1;
            if (turned) return false;
            MarkExifUpright(head.exif.data(), head.exif.size(), false);
            writer.emplace(head.width, head.height, band.format() == QImage::Format_Grayscale8,
                           kCopyQuality, ExifSegment(head.exif));
        }
        for (int i = 0; i < band.height(); ++i) writer->Write(band.constScanLine(i));
        return true;
    });
    // Turning takes the picture whole.
    if (turned) return CopyJpeg(DecodePng(bytes));
    return read ? writer->Finish() : std::string();
}

}  // namespace orelle
