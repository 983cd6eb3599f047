// PNG photos through Qt: the header's claimed size is read from the bytes
// before Qt sees them; the EXIF block of an eXIf chunk is kept.
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <cstdint>
#include <cstring>

#include "platform/imaging/ConversionLimits.h"
#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureOnPaper.h"
#include "platform/imaging/PictureRotation.h"
#include "platform/imaging/ExifTiff.h"

namespace orelle {
namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
constexpr int kMaxChunks = 4096;

std::uint32_t U32(std::string_view b, std::size_t at) {
    const auto c = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])); };
    return c(0) << 24 | c(1) << 16 | c(2) << 8 | c(3);
}

struct PngHead {
    std::uint32_t width = 0, height = 0;
    std::string exif;
};

// The chunks up to the first image data: IHDR first, an eXIf anywhere before.
std::optional<PngHead> ReadHead(std::string_view bytes) {
    if (bytes.substr(0, kSignature.size()) != kSignature) return std::nullopt;
    PngHead head;
    std::size_t at = kSignature.size();
    for (int chunk = 0; chunk < kMaxChunks && at + 8 <= bytes.size(); ++chunk) {
        const std::uint32_t length = U32(bytes, at);
        const std::string_view type = bytes.substr(at + 4, 4);
        if (length > bytes.size() - at - 8) return std::nullopt;
        const std::string_view data = bytes.substr(at + 8, length);
        if (chunk == 0) {
            if (type != "IHDR" || length < 8) return std::nullopt;
            head.width = U32(data, 0);
            head.height = U32(data, 4);
        } else if (type == "eXIf" && head.exif.empty()) {
            head.exif = std::string(data);
        } else if (type == "IDAT" || type == "IEND") {
            return head;
        }
        at += std::size_t{length} + 12;
    }
    return std::nullopt;
}

}  // namespace

DecodedPhoto DecodePng(std::string_view bytes) {
    DecodedPhoto photo;
    const std::optional<PngHead> head = ReadHead(bytes);
    if (!head || !FitsConversion(head->width, head->height)) return photo;
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoTransform(false);
    QImage picture;
    // A picture whose data ends early or breaks is no photo.
    if (!reader.read(&picture) || picture.isNull()) return photo;
    const int orientation = head->exif.empty() ? 1 : ExifOrientation(head->exif);
    photo.picture = OnPaper(UprightPicture(picture, orientation), picture.colorSpace());
    photo.exif = head->exif;
    if (!photo.exif.empty())
        MarkExifUpright(photo.exif.data(), photo.exif.size(), OrientationSwapsSides(orientation));
    return photo;
}

}  // namespace orelle
