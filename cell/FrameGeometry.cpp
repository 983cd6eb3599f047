#include "cell/FrameGeometry.h"

#include <cstdlib>

#include "orderdata/PhotoList.h"
#include "orderdata/PrintCatalogue.h"

namespace orelle {
namespace {

// Display pixels of a photo shown shownWidth wide, in pixels of the iw-wide
// photo scaled by s percent. At 100 % the product's 100 / 100 cancels
// exactly, so the unzoomed rules share it.
std::int32_t PhotoPixels(std::int32_t v, std::int32_t iw, std::int32_t s, std::int32_t shownWidth) {
    return Quotient(Wide{s} * v * iw, 100, shownWidth);
}

// How far the centre of a layer lies from the surface's centre, in photo
// pixels.
std::int32_t CentreOffset(std::int32_t nearEdge, std::int32_t size, std::int32_t surfaceSize,
                          std::int32_t iw, std::int32_t shownWidth) {
    return Quotient(Wide{nearEdge + (size - surfaceSize) / 2} * iw, shownWidth);
}

struct Corner {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// Where inner's near corner lies on outer, in photo pixels.
Corner CropCorner(const PixelRect& inner, const PixelRect& outer, std::int32_t iw, std::int32_t s,
                  std::int32_t shownWidth) {
    return {PhotoPixels(inner.left - outer.left, iw, s, shownWidth),
            PhotoPixels(inner.top - outer.top, iw, s, shownWidth)};
}

bool IsFill(std::int32_t mode) { return mode == kModeWhiteFill || mode == kModeBlackFill; }

}  // namespace

void FrameGeometry::LoadFromRecord(const PhotoRecord& record, std::int32_t fileWidth,
                                   std::int32_t fileHeight) {
    mode = record.scale != 100 ? kModeZoom : record.operate;
    angle = record.angle;
    specIndex = record.specIndex;
    scale = record.scale;
    offsetX = record.offsetSZX;
    offsetY = record.offsetSZY;
    frameTurned = record.frameTurned != 0;
    const PixelSize shown = RotatedBounds(fileWidth, fileHeight, angle);
    imageWidth = shown.width;
    imageHeight = shown.height;
    hasImage_ = true;
}

void FrameGeometry::Clear() {
    FrameGeometry blank(catalogue_, list_);
    blank.surface_ = surface_;
    blank.bigView_ = bigView_;
    *this = blank;
}

bool FrameGeometry::SetSpec(std::int32_t index) {
    if (!hasImage_ || !catalogue_ || index < 0 || index >= catalogue_->GetCount()) return false;
    specIndex = index;
    return true;
}

void FrameGeometry::SetScale(std::int32_t s) {
    if (!hasImage_) return;
    scale = s;
    if (s != 100) mode = kModeZoom;
}

RefreshResult FrameGeometry::ToggleFit() {
    frameTurned = !frameTurned;
    return Refresh();
}

FrameGeometry::Inches FrameGeometry::PrintInches() const {
    Inches in;
    if (catalogue_) catalogue_->GetInches(specIndex, in.x, in.y);
    return in;
}

void FrameGeometry::FitAndFrame() {
    const Inches in = PrintInches();
    imageRect = FitPhoto(surface_, imageWidth, imageHeight);
    frameRect = CropFrame(imageRect, in.x, in.y, imageWidth < imageHeight, frameTurned);
}

void FrameGeometry::LayOutFill() {
    const Inches in = PrintInches();
    const PaperLayout p = LayOutPaper(surface_, in.x, in.y, imageWidth, imageHeight, frameTurned);
    frameRect = p.paper;
    imageRect = p.photo;
}

void FrameGeometry::Store(std::int32_t left, std::int32_t top, std::int32_t farX, std::int32_t farY,
                          bool offsetsFlag) const {
    if (list_) {
        list_->SetRecordGeometry(offsetX, offsetY, left, top, farX, farY, offsetsFlag, true,
                                 photoIndex);
    }
}

RefreshResult FrameGeometry::Refresh() {
    RefreshResult res;
    if (!hasImage_) return res;
    const std::int32_t iw = imageWidth;
    auto offsetMove = [&](const PixelRect& r, std::int32_t shownWidth) {
        return r.Moved(Quotient(Wide{offsetX} * shownWidth, iw),
                       Quotient(Wide{offsetY} * shownWidth, iw));
    };
    // The crop lies where inner lies on outer, as large as the frame or the
    // paper, which frameRect is in either case.
    const PixelRect* inner = &frameRect;
    const PixelRect* outer = &imageRect;
    std::int32_t s = 100;
    std::int32_t shownWidth = 0;
    if (mode == kModeCrop && angle == 0) {
        FitAndFrame();
        shownWidth = imageRect.Width();
        frameRect = offsetMove(frameRect, shownWidth);
    } else if (mode == kModeCrop || mode == kModeZoom) {
        // A turned photo is laid out as zoomed, at whatever scale it has.
        FitAndFrame();
        s = scale;
        const std::int32_t nw = Quotient(Wide{imageRect.Width()} * s, 100);
        const std::int32_t nh = Quotient(Wide{imageRect.Height()} * s, 100);
        const std::int32_t left = frameRect.left + (frameRect.Width() / 2 - nw / 2);
        const std::int32_t top = frameRect.top + (frameRect.Height() / 2 - nh / 2);
        imageRect = {left, top, left + nw, top + nh};
        shownWidth = nw;
        PixelRect& moving = mode == kModeZoom ? imageRect : frameRect;
        moving = offsetMove(moving, shownWidth);
    } else if (IsFill(mode)) {
        LayOutFill();
        shownWidth = imageRect.Width();
        imageRect = offsetMove(imageRect, shownWidth);
        inner = &imageRect;
        outer = &frameRect;
    } else {
        return res;
    }
    const Corner corner = CropCorner(*inner, *outer, iw, s, shownWidth);
    res.crop = {corner.left, corner.top, PhotoPixels(frameRect.Width(), iw, s, shownWidth),
                PhotoPixels(frameRect.Height(), iw, s, shownWidth)};
    // A crop is cut from the photo: it never reaches past it.
    if (mode == kModeCrop && angle == 0) res.crop = CropOnPhoto(res.crop, imageWidth, imageHeight);
    lastCrop_ = res.crop;
    Store(res.crop.left, res.crop.top, res.crop.width, res.crop.height, false);

    res.done = true;
    LayerPlacement& l = res.layers;
    if (IsFill(mode)) {
        l.paper = frameRect;
        l.paperColour = mode == kModeWhiteFill ? PaperColour::kWhite : PaperColour::kBlack;
    }
    l.photo = imageRect;
    l.frame = frameRect;
    l.frameOutline = FrameOutline(frameRect.Width(), frameRect.Height());
    return res;
}

bool FrameGeometry::Press(std::int32_t x, std::int32_t y, std::int32_t layer) {
    if (!hasImage_) return false;
    // The zoomed photo moves only in the big view.
    if (mode == kModeZoom && !bigView_) return false;
    // The frame in the photo layer's pixels: left and top edges inside.
    const bool onFrame =
        mode == kModeCrop && frameRect.Moved(-imageRect.left, -imageRect.top).Contains(x, y);
    if (!(mode == kModeZoom || IsFill(mode) || layer == kSyntheticLayer || onFrame)) return false;
    dragging = true;
    pressX = x;
    pressY = y;
    return true;
}

MoveResult FrameGeometry::Move(std::int32_t x, std::int32_t y, bool busy) {
    if (!hasImage_ || busy || !dragging || (mode == kModeZoom && !bigView_)) return {};
    MoveResult res;
    res.taken = true;
    const std::int32_t dx = x - pressX;
    const std::int32_t dy = y - pressY;
    if (std::abs(dx) < kDragThreshold && std::abs(dy) < kDragThreshold) return res;
    if (mode == kModeCrop) {
        // The frame follows the mouse step by step, even where the photo's
        // edge stops it; the photo's drags stay measured from the press.
        pressX = x;
        pressY = y;
        res.frameMoved = DragFrame(dx, dy);
    } else if (IsFill(mode) || mode == kModeZoom) {
        res = DragPhoto(dx, dy);
        res.taken = true;
    }
    return res;
}

bool FrameGeometry::DragFrame(std::int32_t dx, std::int32_t dy) {
    const PixelRect moved = KeepInside(frameRect.Moved(dx, dy), imageRect);
    if (moved == frameRect) return false;
    frameRect = moved;
    StoreDrag(frameRect, frameRect, imageRect, 100);
    return true;
}

MoveResult FrameGeometry::DragPhoto(std::int32_t dx, std::int32_t dy) {
    MoveResult res;
    PixelRect moved = imageRect.Moved(dx, dy);
    if (mode == kModeZoom) {
        // Keeps a grip of the zoomed photo on the big view.
        if (moved.bottom < 50 || moved.right < 50 || moved.left > 800 || moved.top > 500) {
            return res;
        }
    } else {
        moved = KeepInside(moved, frameRect);
    }
    if (moved == imageRect) return res;
    res.photoMoved = true;
    (mode == kModeZoom ? res.repaintBackground : res.repaintPaper) = true;
    imageRect = moved;
    // The zoom crop is the frame's place on the photo, the fill crop the
    // photo's place on the paper.
    if (mode == kModeZoom) {
        StoreDrag(imageRect, frameRect, imageRect, scale);
    } else {
        StoreDrag(imageRect, imageRect, frameRect, 100);
    }
    return res;
}

void FrameGeometry::StoreDrag(const PixelRect& dragged, const PixelRect& inner,
                              const PixelRect& outer, std::int32_t s) {
    const std::int32_t iw = imageWidth;
    const std::int32_t shownWidth = imageRect.Width();
    offsetX = CentreOffset(dragged.left, dragged.Width(), surface_.Width(), iw, shownWidth);
    offsetY = CentreOffset(dragged.top, dragged.Height(), surface_.Height(), iw, shownWidth);
    Corner corner = CropCorner(inner, outer, iw, s, shownWidth);
    if (mode == kModeCrop && angle == 0) {
        const CropRect on = CropOnPhoto({corner.left, corner.top, lastCrop_.width, lastCrop_.height},
                                        imageWidth, imageHeight);
        corner = {on.left, on.top};
    }
    Store(corner.left, corner.top, 0, 0, true);
}

MoveResult FrameGeometry::Nudge(std::int32_t direction, bool busy) {
    static constexpr std::int32_t kFrom = 10;
    static constexpr std::int32_t kStep = 6;
    static constexpr std::int32_t kTargets[4][2] = {{kFrom - kStep, kFrom},
                                                    {kFrom + kStep, kFrom},
                                                    {kFrom, kFrom - kStep},
                                                    {kFrom, kFrom + kStep}};
    if (direction < kNudgeLeft || direction > kNudgeDown) return {};
    const std::int32_t* target = kTargets[direction - kNudgeLeft];
    Press(kFrom, kFrom, kSyntheticLayer);
    const MoveResult res = Move(target[0], target[1], busy);
    Release();
    return res;
}

}  // namespace orelle
