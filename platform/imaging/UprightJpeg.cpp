#include "platform/imaging/UprightJpeg.h"

#include <turbojpeg.h>

#include <memory>

#include "platform/imaging/ExifTiff.h"
#include "platform/imaging/JpegDecoder.h"
#include "platform/imaging/JpegLayout.h"
#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/PictureRotation.h"
#include "platform/imaging/ConversionLimits.h"

namespace orelle {
namespace {

struct TjDestroy {
    void operator()(void* h) const { tjDestroy(h); }
};

int TransformFor(int orientation) {
    switch (orientation) {
        case 2: return TJXOP_HFLIP;
        case 3: return TJXOP_ROT180;
        case 4: return TJXOP_VFLIP;
        case 5: return TJXOP_TRANSPOSE;
        case 6: return TJXOP_ROT90;
        case 7: return TJXOP_TRANSVERSE;
        case 8: return TJXOP_ROT270;
        default: return TJXOP_NONE;
    }
}

void MarkUpright(std::string& jpeg, int orientation) {
    if (const std::optional<ByteSpan> exif = FindJpegExif(jpeg))
        MarkExifUpright(jpeg.data() + exif->offset, exif->size, OrientationSwapsSides(orientation));
}

// The transform holds every DCT coefficient of the picture: at most two
// bytes for each sample of each component.
bool CoefficientsFit(const JpegLayout& layout) {
    const long long samples = static_cast<long long>(layout.width + 16) * (layout.height + 16);
    return samples * layout.components * 2 <= kJpegDecodeMemory;
}

std::optional<std::string> Lossless(std::string_view bytes, int orientation) {
    std::unique_ptr<void, TjDestroy> handle(tjInitTransform());
    if (!handle) return std::nullopt;
    tjtransform transform{};
    transform.op = TransformFor(orientation);
    transform.options = TJXOPT_PERFECT;
    unsigned char* out = nullptr;
    unsigned long size = 0;
    // The scans were counted already; libjpeg-turbo's own limit and a stop
    // at the first warning (data that ends early) stay as a second guard.
    const int rc = tjTransform(handle.get(), reinterpret_cast<const unsigned char*>(bytes.data()),
                               static_cast<unsigned long>(bytes.size()), 1, &out, &size,
                               &transform, TJFLAG_LIMITSCANS | TJFLAG_STOPONWARNING);
    std::optional<std::string> turned;
    if (rc == 0 && out) turned.emplace(reinterpret_cast<const char*>(out), size);
    tjFree(out);
    return turned;
}

std::optional<std::string> Reencoded(std::string_view bytes, const JpegLayout& layout,
                                     int orientation) {
    if (!FitsConversion(layout.width, layout.height)) return std::nullopt;
    const QImage picture = DecodeJpeg(bytes, 1);
    if (picture.isNull()) return std::nullopt;
    // A CMYK photo's colour profile does not describe the RGB copy.
    std::string jpeg = EncodeJpeg(UprightPicture(picture, orientation), kCopyQuality,
                                  JpegMetadataSegments(bytes, layout.components != 4));
    if (jpeg.empty()) return std::nullopt;
    return jpeg;
}

}  // namespace

int JpegOrientation(std::string_view bytes) {
    const std::optional<ByteSpan> exif = FindJpegExif(bytes);
    return exif ? ExifOrientation(bytes.substr(exif->offset, exif->size)) : 1;
}

std::optional<UprightJpeg> TurnJpegUpright(std::string_view bytes) {
    const int orientation = JpegOrientation(bytes);
    if (orientation == 1) return std::nullopt;
    const std::optional<JpegLayout> layout = ReadJpegLayout(bytes);
    if (!layout) return std::nullopt;
    UprightJpeg upright;
    std::optional<std::string> turned;
    if (CoefficientsFit(*layout)) turned = Lossless(bytes, orientation);
    upright.lossless = turned.has_value();
    if (!turned) turned = Reencoded(bytes, *layout, orientation);
    if (!turned) return std::nullopt;
    upright.bytes = std::move(*turned);
    MarkUpright(upright.bytes, orientation);
    return upright;
}

}  // namespace orelle
