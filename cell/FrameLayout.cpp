#include "cell/FrameLayout.h"

#include <algorithm>
#include <limits>

namespace orelle {
namespace {

std::int32_t Saturate(Wide v) {
    return static_cast<std::int32_t>(std::clamp<Wide>(v, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
}

// The product must stay in float: the lab truncates what a 32-bit float
// gives (5.1 inches is 510 there, 509 in double). A size beyond any print,
// or not a number, counts as none.
std::int32_t Hundredths(float inches) {
    const float p = inches * 100.0f;
    if (!(p > -2e9f && p < 2e9f)) return 0;
    return static_cast<std::int32_t>(p);
}

double Ratio(Wide a, Wide b) { return static_cast<double>(a) / static_cast<double>(b); }

}  // namespace

std::int32_t Quotient(Wide product, Wide divisor, Wide divisor2) {
    if (divisor == 0 || divisor2 == 0) return 0;
    return Saturate(product / divisor / divisor2);
}

FrameAspect PrintAspect(float x, float y, bool portrait) {
    const std::int32_t a = Hundredths(x);
    const std::int32_t b = Hundredths(y);
    return portrait ? FrameAspect{a, b} : FrameAspect{b, a};
}

PixelRect CentreBox(const PixelRect& r, Wide bw, Wide bh, bool spanWidth) {
    if (bw == 0 || bh == 0) return r;
    PixelRect box = r;
    if (spanWidth) {
        const std::int32_t h = Quotient(bh * r.Width(), bw);
        box.top = r.top + (r.Height() - h) / 2;
        box.bottom = box.top + h;
    } else {
        const std::int32_t w = Quotient(bw * r.Height(), bh);
        box.left = r.left + (r.Width() - w) / 2;
        box.right = box.left + w;
    }
    return box;
}

PixelRect FitPhoto(const PixelRect& surface, std::int32_t iw, std::int32_t ih) {
    const std::int32_t w = surface.Width();
    const std::int32_t h = surface.Height();
    // Nothing to fit, and the ratios below would divide by zero.
    if (iw == 0 || ih == 0 || w == 0 || h == 0) return surface;
    if (Ratio(w, h) >= Ratio(iw, ih) && !(Ratio(h, w) >= Ratio(ih, iw))) {
        return CentreBox(surface, iw, ih, false);
    }
    if (Ratio(w, h) < Ratio(iw, ih)) return CentreBox(surface, iw, ih, true);
    return surface;
}

PixelRect CropFrame(const PixelRect& image, float x, float y, bool portrait, bool turned) {
    if (!(x > 0 && y > 0)) return image;
    FrameAspect f = PrintAspect(x, y, portrait);
    if (turned) std::swap(f.fw, f.fh);
    const std::int32_t dw = image.Width();
    const std::int32_t dh = image.Height();
    // Under a hundredth of an inch, or an empty photo: no frame.
    if (f.fw == 0 || f.fh == 0 || dw == 0 || dh == 0) return image;
    if (Wide{f.fh} * dw == Wide{f.fw} * dh) return image;
    return CentreBox(image, f.fw, f.fh, Ratio(f.fw, f.fh) >= Ratio(dw, dh));
}

PaperLayout LayOutPaper(const PixelRect& surface, float x, float y, std::int32_t iw,
                        std::int32_t ih, bool turned) {
    FrameAspect f = PrintAspect(x, y, iw < ih);
    if (turned) f.fw = f.fh;
    const std::int32_t w = surface.Width();
    const std::int32_t h = surface.Height();
    PaperLayout out{surface, surface};
    // A paper without a shape (no size, or under a hundredth of an inch) or
    // an empty surface: the photo covers the surface.
    if (f.fw == 0 || f.fh == 0 || w == 0 || h == 0) return out;
    if (Wide{f.fh} * w != Wide{f.fw} * h) {
        out.paper = CentreBox(surface, f.fw, f.fh, !(Ratio(f.fw, f.fh) < Ratio(w, h)));
    }
    out.photo = out.paper;
    if (iw == 0 || ih == 0) return out;
    if (Wide{f.fh} * iw != Wide{f.fw} * ih) {
        out.photo = CentreBox(out.paper, iw, ih, Ratio(f.fw, f.fh) < Ratio(iw, ih));
    }
    return out;
}

PixelRect KeepInside(PixelRect r, const PixelRect& bounds) {
    // The two axes are independent, so left-top-right-bottom and
    // left-right-top-bottom pushes end alike.
    if (r.left < bounds.left) r = r.Moved(bounds.left - r.left, 0);
    if (r.right > bounds.right) r = r.Moved(bounds.right - r.right, 0);
    if (r.top < bounds.top) r = r.Moved(0, bounds.top - r.top);
    if (r.bottom > bounds.bottom) r = r.Moved(0, bounds.bottom - r.bottom);
    return r;
}

std::array<PixelRect, 4> FrameOutline(std::int32_t w, std::int32_t h) {
    return {PixelRect{0, 0, w, 2}, PixelRect{0, 0, 2, h}, PixelRect{0, h - 2, w, h},
            PixelRect{w - 2, 0, w, h}};
}

std::int32_t LoadReductionLevel(std::int32_t w, std::int32_t h, bool bigView) {
    if (bigView) return w >= 1120 && h >= 1120 ? 1 : 0;
    if (!(w > 600 && h > 600)) return 0;
    return h < 1120 ? 1 : 2;
}

CropRect CropOnPhoto(const CropRect& crop, std::int32_t w, std::int32_t h) {
    CropRect on = crop;
    if (w <= 0 || h <= 0 || on.width <= 0 || on.height <= 0) return on;
    if (on.width > w || on.height > h) {
        // The side that overshoots more decides; the other follows.
        if (Wide{on.width} * h >= Wide{on.height} * w) {
            on.height = Quotient(Wide{on.height} * w, on.width);
            on.width = w;
        } else {
            on.width = Quotient(Wide{on.width} * h, on.height);
            on.height = h;
        }
    }
    on.left = std::clamp(on.left, 0, w - on.width);
    on.top = std::clamp(on.top, 0, h - on.height);
    return on;
}

}  // namespace orelle
