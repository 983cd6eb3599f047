#include "platform/imaging/JpegWriter.h"

#include <turbojpeg.h>

#include <memory>

namespace orelle {
namespace {

struct TjDestroy {
    void operator()(void* h) const { tjDestroy(h); }
};

// Past the encoder's own JFIF segment, if it wrote one.
std::size_t AfterJfif(const unsigned char* jpeg, unsigned long size) {
    if (size < 6 || jpeg[2] != 0xFF || jpeg[3] != 0xE0) return 2;
    const std::size_t length = std::size_t{jpeg[4]} << 8 | jpeg[5];
    return 4 + length <= size ? 4 + length : 2;
}

}  // namespace

std::string EncodeJpeg(const QImage& picture, int quality, std::string_view segments) {
    if (picture.isNull()) return {};
    const bool grey = picture.format() == QImage::Format_Grayscale8;
    const QImage pixels = grey ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) return {};
    // Format_RGB32 is 0xffRRGGBB in a 32-bit word.
    const int format = grey ? TJPF_GRAY
                            : (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRX : TJPF_XRGB);
    std::unique_ptr<void, TjDestroy> handle(tjInitCompress());
    if (!handle) return {};
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(handle.get(), pixels.constBits(), pixels.width(),
                               static_cast<int>(pixels.bytesPerLine()), pixels.height(), format,
                               &out, &size, grey ? TJSAMP_GRAY : TJSAMP_420, quality, 0);
    std::string jpeg;
    if (rc == 0 && size >= 4) {
        const std::size_t rest = segments.empty() ? 2 : AfterJfif(out, size);
        jpeg.reserve(size + segments.size());
        jpeg.assign(reinterpret_cast<const char*>(out), 2);
        jpeg.append(segments);
        jpeg.append(reinterpret_cast<const char*>(out) + rest, size - rest);
    }
    tjFree(out);
    return jpeg;
}

std::string ExifSegment(std::string_view tiff) {
    constexpr std::size_t kHeader = 2 + 6;  // length field, "Exif\0\0"
    if (tiff.empty() || tiff.size() + kHeader > 0xFFFF) return {};
    const std::size_t length = tiff.size() + kHeader;
    std::string segment = "\xFF\xE1";
    segment += static_cast<char>(length >> 8);
    segment += static_cast<char>(length & 0xFF);
    segment.append("Exif\0\0", 6);
    segment.append(tiff);
    return segment;
}

}  // namespace orelle
