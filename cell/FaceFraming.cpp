#include "cell/FaceFraming.h"

#include <algorithm>

namespace orelle {
namespace {

// Where a crop of size c lies on [0, full) holding [lo, hi) with margin on
// each side where it fits, nearest to from.
std::optional<std::int32_t> Place(std::int32_t lo, std::int32_t hi, std::int32_t c,
                                  std::int32_t full, std::int32_t margin, std::int32_t from) {
    if (hi - lo > c) return std::nullopt;
    const std::int32_t m = std::min(margin, (c - (hi - lo)) / 2);
    const std::int32_t at = std::clamp(from, hi + m - c, lo - m);
    // On the photo: where that would push it off, the faces still fit.
    return std::clamp(at, 0, std::max(0, full - c));
}

bool AllInside(const std::vector<FaceBox>& faces, const CropRect& c) {
    return std::all_of(faces.begin(), faces.end(), [&](const FaceBox& f) {
        return f.left >= c.left && f.top >= c.top && f.left + f.width <= c.left + c.width &&
               f.top + f.height <= c.top + c.height;
    });
}

}  // namespace

std::optional<CropCorner> FaceKeepingCorner(const std::vector<FaceBox>& faces, std::int32_t cw,
                                            std::int32_t ch, std::int32_t w, std::int32_t h,
                                            CropCorner from) {
    if (faces.empty()) return from;
    std::int32_t left = faces[0].left, top = faces[0].top, right = left, bottom = top;
    std::int32_t largest = 0;
    for (const FaceBox& f : faces) {
        left = std::min(left, f.left);
        top = std::min(top, f.top);
        right = std::max(right, f.left + f.width);
        bottom = std::max(bottom, f.top + f.height);
        largest = std::max({largest, f.width, f.height});
    }
    const std::int32_t margin = largest / kFaceMarginPart;
    const auto x = Place(left, right, cw, w, margin, from.left);
    const auto y = Place(top, bottom, ch, h, margin, from.top);
    if (!x || !y) return std::nullopt;
    return CropCorner{*x, *y};
}

bool KeepFaces(FrameGeometry& g, const std::vector<FaceBox>& shownFaces) {
    const CropCorner from{g.offsetX, g.offsetY};
    g.SetOffsets(0, 0);
    const RefreshResult centred = g.Refresh();
    if (!centred.done) return false;
    const CropRect c = centred.crop;
    // The offsets are the frame's distance from the centre: from there.
    const auto target = FaceKeepingCorner(shownFaces, c.width, c.height, g.imageWidth,
                                          g.imageHeight, {c.left + from.left, c.top + from.top});
    if (!target) return false;
    // The display rounds the offsets to its pixels: steer toward the
    // target a few times; the margin takes up what stays of the rounding.
    std::int32_t ox = target->left - c.left;
    std::int32_t oy = target->top - c.top;
    CropRect now{};
    for (int step = 0; step < 4; ++step) {
        g.SetOffsets(ox, oy);
        now = g.Refresh().crop;
        if (now.left == target->left && now.top == target->top) break;
        ox += target->left - now.left;
        oy += target->top - now.top;
    }
    return AllInside(shownFaces, now);
}

}  // namespace orelle
