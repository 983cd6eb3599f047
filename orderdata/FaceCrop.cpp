#include "orderdata/FaceCrop.h"

#include <algorithm>
#include <cmath>

#include "orderdata/FaceStore.h"
#include "orderdata/PhotoList.h"
#include "platform/imaging/PictureRotation.h"

namespace orelle {

std::vector<FaceBox> ShownFaces(const std::vector<FaceBox>& faces, std::int32_t w, std::int32_t h,
                                std::int32_t angle) {
    if (angle % 360 == 0) return faces;
    const PixelSize shown = RotatedBounds(w, h, angle);
    const double theta = angle * 3.14159265358979323846 / 180.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    std::vector<FaceBox> out;
    for (const FaceBox& f : faces) {
        double minX = 1e18, minY = 1e18, maxX = -1e18, maxY = -1e18;
        for (const double x : {f.left, f.left + f.width}) {
            for (const double y : {f.top, f.top + f.height}) {
                // Clockwise on a screen whose y points down.
                const double dx = x - w / 2.0;
                const double dy = y - h / 2.0;
                const double tx = shown.width / 2.0 + dx * c - dy * s;
                const double ty = shown.height / 2.0 + dx * s + dy * c;
                minX = std::min(minX, tx);
                maxX = std::max(maxX, tx);
                minY = std::min(minY, ty);
                maxY = std::max(maxY, ty);
            }
        }
        // Outward to whole pixels, past the sine's last bits.
        constexpr double kBits = 1e-6;
        const auto left = static_cast<std::int32_t>(std::max(0.0, std::floor(minX + kBits)));
        const auto top = static_cast<std::int32_t>(std::max(0.0, std::floor(minY + kBits)));
        const auto right =
            static_cast<std::int32_t>(std::min<double>(shown.width, std::ceil(maxX - kBits)));
        const auto bottom =
            static_cast<std::int32_t>(std::min<double>(shown.height, std::ceil(maxY - kBits)));
        out.push_back({left, top, right - left, bottom - top});
    }
    return out;
}

bool FaceInside(const FaceBox& f, double left, double top, double width, double height) {
    const double slackX = f.width / static_cast<double>(kFaceEdgeSlack);
    const double slackY = f.height / static_cast<double>(kFaceEdgeSlack);
    return f.left + slackX >= left && f.top + slackY >= top &&
           f.left + f.width - slackX <= left + width && f.top + f.height - slackY <= top + height;
}

bool CutsFace(const PhotoRecord& record, const std::vector<FaceBox>& faces, std::int32_t w,
              std::int32_t h) {
    const std::int32_t mode = record.scale != 100 ? kModeZoom : record.operate;
    if ((mode != kModeCrop && mode != kModeZoom) || faces.empty() || record.scale <= 0)
        return false;
    if (w <= 0 || h <= 0 || record.rcDst.width <= 0 || record.rcDst.height <= 0) return false;
    // A zoomed crop is in pixels of the photo at its scale.
    const double toShown = 100.0 / record.scale;
    const CropRect& c = record.rcDst;
    for (const FaceBox& f : ShownFaces(faces, w, h, record.angle)) {
        if (!FaceInside(f, c.left * toShown, c.top * toShown, c.width * toShown,
                        c.height * toShown))
            return true;
    }
    return false;
}

std::vector<std::int32_t> FaceCutPhotos(const PhotoList& list, const FaceStore& store) {
    std::vector<std::int32_t> cut;
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        const PhotoRecord& r = list.At(i);
        if (!IsOrdered(r)) continue;
        const auto faces = store.Find(r.srcName);
        if (faces && CutsFace(r, *faces, r.pixelWidth, r.pixelHeight)) cut.push_back(i);
    }
    return cut;
}

}  // namespace orelle
