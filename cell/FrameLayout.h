#pragma once
// Where a display surface puts the photo, the crop frame and the paper: the
// integer rules the print lab's crops depend on, so they divide exactly as
// 32-bit code does (products first, then each division truncating toward
// zero, left to right). Products are taken in 64 bits: big photos at high
// zoom overflow 32 bits, and wherever they do not the results are the same.

#include <array>
#include <cstdint>

#include "cell/PixelRect.h"
#include "platform/imaging/PictureRotation.h"
#include "orderdata/PhotoRecord.h"

namespace orelle {

using Wide = std::int64_t;

// product / divisor / divisor2, each truncating toward zero. A zero divisor
// gives 0 rather than a crash; the result saturates to 32 bits.
std::int32_t Quotient(Wide product, Wide divisor, Wide divisor2 = 1);

// The print's shape in hundredths of an inch, long side across for a
// landscape or square photo.
struct FrameAspect {
    std::int32_t fw = 0;
    std::int32_t fh = 0;
};
FrameAspect PrintAspect(float x, float y, bool portrait);

// A box of shape bw:bh centred in r, spanning r's width when spanWidth and
// its height otherwise. A zero bw or bh gives r.
PixelRect CentreBox(const PixelRect& r, Wide bw, Wide bh, bool spanWidth);

// The photo of iw x ih as large as it fits in the surface, centred.
PixelRect FitPhoto(const PixelRect& surface, std::int32_t iw, std::int32_t ih);

// The crop frame of a print of x by y inches on the fitted photo; the
// whole photo when the print has no size.
PixelRect CropFrame(const PixelRect& image, float x, float y, bool portrait, bool turned);

// A crop (left, top, width, height in photo pixels) moved and, when larger,
// shrunk in its own proportions so that it lies on a photo of w x h: the
// frame's display rounding reached a few pixels past the photo's edge.
CropRect CropOnPhoto(const CropRect& crop, std::int32_t w, std::int32_t h);

struct PaperLayout {
    PixelRect paper;
    PixelRect photo;
};
// The paper as large as it fits in the surface and the photo as large as it
// fits on the paper; turned paper is square. A shapeless paper is the whole
// surface and a shapeless photo the whole paper.
PaperLayout LayOutPaper(const PixelRect& surface, float x, float y, std::int32_t iw,
                        std::int32_t ih, bool turned);

// r moved, size kept, until it lies inside bounds; where it cannot, its
// right and bottom edges win.
PixelRect KeepInside(PixelRect r, const PixelRect& bounds);

// The frame layer's outline: four 2-pixel strips of its w x h rectangle.
std::array<PixelRect, 4> FrameOutline(std::int32_t w, std::int32_t h);

// How many halvings the decoder may apply to a w x h photo.
std::int32_t LoadReductionLevel(std::int32_t w, std::int32_t h, bool bigView);

}  // namespace orelle
