#include "orderdata/PrintResolution.h"

#include <algorithm>
#include <utility>

#include "orderdata/PhotoList.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/PictureRotation.h"

namespace orelle {

std::optional<double> EffectiveDpi(const PhotoRecord& record, std::int32_t width,
                                   std::int32_t height, float x, float y) {
    if (width <= 0 || height <= 0 || !(x > 0) || !(y > 0) || record.scale <= 0) return {};
    // As the display frames it: a scale other than 100 zooms whatever the
    // mode, and a turned photo is framed by its bounding box, whose pixels
    // are as dense as the photo's.
    const std::int32_t mode = record.scale != 100 ? kModeZoom : record.operate;
    const PixelSize shown = RotatedBounds(width, height, record.angle);
    if (shown.width <= 0 || shown.height <= 0) return {};
    // The print takes the photo's orientation, x across a portrait photo.
    const bool portrait = shown.width < shown.height;
    double across = portrait ? x : y;
    double down = portrait ? y : x;
    const bool turned = record.frameTurned != 0;
    switch (mode) {
        case kModeCrop:
        case kModeZoom:
            if (turned) std::swap(across, down);
            // The print-shaped frame spans the photo the tighter way; at
            // s percent it covers 100/s of that region's pixels.
            return std::min(shown.width / across, shown.height / down) * 100.0 / record.scale;
        case kModeWhiteFill:
        case kModeBlackFill:
            if (turned) across = down;  // the paper is square
            // The whole photo spans the paper the tighter way.
            return std::max(shown.width / across, shown.height / down);
        default:
            return {};
    }
}

std::optional<double> EffectiveDpi(const PhotoRecord& record, std::int32_t width,
                                   std::int32_t height, const PrintCatalogue& catalogue) {
    float x = 0;
    float y = 0;
    catalogue.GetInches(record.specIndex, x, y);
    return EffectiveDpi(record, width, height, x, y);
}

bool BelowMinDpi(const PhotoRecord& record, std::int32_t width, std::int32_t height,
                 const PrintCatalogue& catalogue, std::int32_t minDpi) {
    if (minDpi <= 0) return false;
    const std::optional<double> dpi = EffectiveDpi(record, width, height, catalogue);
    return dpi && *dpi < minDpi;
}

std::vector<std::int32_t> LowResolutionPhotos(const PhotoList& list,
                                              const PrintCatalogue& catalogue,
                                              std::int32_t minDpi) {
    std::vector<std::int32_t> low;
    if (minDpi <= 0) return low;
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        const PhotoRecord& r = list.At(i);
        if (IsOrdered(r) && BelowMinDpi(r, r.pixelWidth, r.pixelHeight, catalogue, minDpi))
            low.push_back(i);
    }
    return low;
}

void ReadMissingPixelSizes(PhotoList& list, FileSystem& fs) {
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        PhotoRecord& r = list.At(i);
        if (!IsOrdered(r) || r.pixelWidth != 0) continue;
        const std::optional<QSize> size = ReadPixelSize(fs, r.srcName);
        r.pixelWidth = size ? size->width() : -1;
        r.pixelHeight = size ? size->height() : -1;
    }
}

}  // namespace orelle
