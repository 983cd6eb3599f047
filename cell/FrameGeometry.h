#pragma once
// The crop frame and print geometry of one photo display surface, without
// a window: the widget hands in the surface size and the mouse, places its
// layers where the results say, and the crop reaches the photo's record.
// User-interface thread only. The catalogue and the list are borrowed and
// must outlive the object; either may be null (no print size, nothing
// stored).

#include <array>
#include <cstdint>

#include "cell/FrameLayout.h"
#include "cell/PixelRect.h"
#include "orderdata/PhotoRecord.h"

namespace orelle {

class PhotoList;
class PrintCatalogue;

enum class PaperColour { kNone, kWhite, kBlack };

// Where the widget puts its layers after a refresh. In the crop and zoom
// modes the paper layer is the empty rectangle at (0,0).
struct LayerPlacement {
    PixelRect paper;
    PaperColour paperColour = PaperColour::kNone;
    PixelRect photo;
    PixelRect frame;
    std::array<PixelRect, 4> frameOutline{};  // in the frame layer's own pixels
};

struct RefreshResult {
    bool done = false;  // false without a photo or in an unknown mode
    LayerPlacement layers;
    CropRect crop;  // as stored in the record
};

struct MoveResult {
    bool taken = false;              // part of a drag: the widget shows the four-way move cursor
    bool frameMoved = false;         // the frame layer goes to frameRect and repaints
    bool photoMoved = false;         // the photo layer goes to imageRect without repainting
    bool repaintPaper = false;       // then the paper, photo and frame layers repaint
    bool repaintBackground = false;  // then the background, photo and frame layers repaint
};

class FrameGeometry {
  public:
    // The press came from no layer: a nudge, which drags in any mode.
    static constexpr std::int32_t kSyntheticLayer = 0;
    static constexpr std::int32_t kDragThreshold = 5;
    static constexpr std::int32_t kNudgeLeft = 1;
    static constexpr std::int32_t kNudgeRight = 2;
    static constexpr std::int32_t kNudgeUp = 3;
    static constexpr std::int32_t kNudgeDown = 4;

    FrameGeometry() = default;
    FrameGeometry(const PrintCatalogue* catalogue, PhotoList* list)
        : catalogue_(catalogue), list_(list) {}

    void SetCatalogue(const PrintCatalogue* catalogue) { catalogue_ = catalogue; }
    void SetPhotoList(PhotoList* list) { list_ = list; }
    void SetSurfaceSize(std::int32_t width, std::int32_t height) {
        surface_ = {0, 0, width, height};
    }
    const PixelRect& Surface() const { return surface_; }
    void SetBigView(bool bigView) { bigView_ = bigView; }
    bool BigView() const { return bigView_; }
    bool HasImage() const { return hasImage_; }

    // Takes the record's settings for a photo file of that size; a scale
    // other than 100 means zoom whatever the record's mode.
    void LoadFromRecord(const PhotoRecord& record, std::int32_t fileWidth, std::int32_t fileHeight);
    // Back to no photo; the surface, the view and the borrowed objects stay.
    void Clear();

    void SetOffsets(std::int32_t x, std::int32_t y) {
        offsetX = x;
        offsetY = y;
    }
    // False, and nothing changes, without a photo or outside the catalogue.
    bool SetSpec(std::int32_t index);
    void SetScale(std::int32_t s);
    RefreshResult ToggleFit();

    // Lays the photo, frame and paper out for the mode and stores the crop
    // in the record at photoIndex.
    RefreshResult Refresh();

    // x, y in the reporting layer's client pixels; layer is 1 to 4, or
    // kSyntheticLayer. Returns whether a drag started.
    bool Press(std::int32_t x, std::int32_t y, std::int32_t layer);
    // busy is the process-wide flag: while a worker runs nothing moves.
    MoveResult Move(std::int32_t x, std::int32_t y, bool busy);
    void Release() { dragging = false; }
    // One 6-pixel step as a press, a move and a release; another direction does nothing.
    MoveResult Nudge(std::int32_t direction, bool busy);

    std::int32_t mode = -1;
    std::int32_t specIndex = -1;
    std::int32_t photoIndex = 0;
    std::int32_t offsetX = 0;  // photo pixels
    std::int32_t offsetY = 0;
    std::int32_t angle = 0;
    bool frameTurned = false;
    bool dragging = false;
    std::int32_t pressX = 0;
    std::int32_t pressY = 0;
    std::int32_t scale = 100;  // percent
    PixelRect imageRect;
    PixelRect frameRect;          // the crop frame, or the paper in the fill modes
    std::int32_t imageWidth = 0;  // as shown: turned photos by their bounding box
    std::int32_t imageHeight = 0;

  private:
    struct Inches {
        float x = 0;
        float y = 0;
    };
    Inches PrintInches() const;
    CropRect lastCrop_;  // of the last refresh: a drag keeps its size
    void FitAndFrame();
    void LayOutFill();
    void Store(std::int32_t left, std::int32_t top, std::int32_t farX, std::int32_t farY,
               bool offsetsFlag) const;
    bool DragFrame(std::int32_t dx, std::int32_t dy);
    MoveResult DragPhoto(std::int32_t dx, std::int32_t dy);
    // The offsets from where the dragged layer's centre lies, and the crop's corner.
    void StoreDrag(const PixelRect& dragged, const PixelRect& inner, const PixelRect& outer,
                   std::int32_t s);

    const PrintCatalogue* catalogue_ = nullptr;
    PhotoList* list_ = nullptr;
    PixelRect surface_;
    bool bigView_ = false;
    bool hasImage_ = false;
};

}  // namespace orelle
