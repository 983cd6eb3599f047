#pragma once
// The photo area of a cell: four layers stacked bottom up, background,
// paper (the fill modes' white or black), photo, and the frame (a 2-pixel
// yellow outline of the crop frame or the paper's edge). FrameGeometry
// says where they lie; this window loads, turns and stamps the photo and
// passes the layers' mouse events on. UI thread only.

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "cell/CellHost.h"
#include "cell/FrameGeometry.h"
#include "cell/PicturePrefetch.h"
#include "cell/SurfaceLayer.h"
#include "platform/imaging/FaceDetector.h"

class QLabel;

namespace orelle {

struct PhotoRecord;

class ImageSurface : public QWidget, public LayerEvents {
    Q_OBJECT

  public:
    static constexpr int kControlId = 100;
    // Layer indexes, top down.
    static constexpr int kFrameLayer = 0;
    static constexpr int kPhotoLayer = 1;
    static constexpr int kPaperLayer = 2;
    static constexpr int kBackgroundLayer = 3;

    explicit ImageSurface(const CellContext& context);

    // Creates the window and its layers as a child of owner at createRect.
    bool Create(QWidget* owner, int id);

    bool HasImage() const { return loaded; }
    void ShowLayers(bool show);
    void SetPhotoIndex(int i) { framing.photoIndex = i; }
    // False when the record names no file or the file cannot be read.
    // A photo with an embedded preview shows that at once, and its picture
    // replaces it in place when the workers have decoded it.
    bool LoadRecord(PhotoRecord* record);
    // The photo layer shows the preview; its picture is on the way.
    bool ShowsPreview() const { return previewShown_; }
    void ClearImage();
    // Lets go of the record and keeps the picture on show until the next
    // photo replaces it: nothing is read from the record meanwhile.
    void ForgetRecord() { record = nullptr; }
    int ImageWidth() const { return framing.imageWidth; }
    int ImageHeight() const { return framing.imageHeight; }

    void SetOffsets(int x, int y);
    bool SetSpec(int i);
    void SetScale(int percent);
    void ToggleFit();
    void Refresh();
    void Nudge(int direction);
    void SetMode(int m);
    void Rotate(int degrees);
    void ImprintDate();
    bool OwnsWindow(const QWidget* w) const;
    void RefreshControls();

    // Called on a double click that may toggle the big view.
    std::function<void()> onDoubleClick;
    // Called when a photo shown by its preview has no readable picture
    // after all; the surface is empty by then.
    std::function<void(PhotoRecord*)> onUnreadable;
    // Set by the cell before it resizes the surface for a view.
    bool inBigView = false;

    FrameGeometry framing;  // where the photo, the frame and the paper lie
    PhotoRecord* record = nullptr;
    std::string pathName;
    std::string shotDate;
    bool created = false;
    QRect createRect;
    QWidget* owner = nullptr;
    bool loaded = false;
    int fileWidth = 0;
    int fileHeight = 0;

    // Asks the workers to decode the record's photo for a surface of that
    // size in that view, ahead of LoadRecord or the big view.
    static void Prefetch(const CellContext& context, const PhotoRecord& record, bool bigView,
                         QSize surfaceSize);

    // The big view's background picture, below the program folder.
    static std::string BigViewBackgroundPath();

    const SurfaceLayer* Layer(int index) const { return L(index); }
    // The mark "像素不足" over the photo: the photo, framed as it is, gives
    // fewer pixels per inch of its print than the shop asks for.
    static constexpr const char* kLowResolutionText = "像素不足";
    const QLabel* ResolutionMark() const { return resolutionMark_; }
    // The mark "裁到人脸": the print's crop leaves part of a found face
    // outside. A tap on it calls onFacesTapped.
    static constexpr const char* kFaceCutText = "裁到人脸";
    const QLabel* FaceMark() const { return faceMark_; }
    std::function<void()> onFacesTapped;
    // The faces found in the shown photo, as it is shown (turned); none
    // while they are not known.
    std::vector<FaceBox> ShownFacesNow() const;
    // Frames the photo in crop mode to keep its faces (KeepFaces); false,
    // and nothing changes, when no crop of the print's shape holds them.
    bool CanKeepFaces() const;
    bool KeepFaces();

    void OnLayerPress(int layer, Qt::MouseButton button, int x, int y) override;
    void OnLayerMove(int layer, int x, int y) override;
    void OnLayerRelease(int layer, Qt::MouseButton button, int x, int y) override;
    void OnLayerDoubleClick(int layer) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The photo decoded for a shown size of w x h, unturned; decoded once
    // per file and reduction.
    QImage Decoded(int w, int h);
    void Keep(int level, QSize atLeast, QImage picture);
    const QImage* FindDecoded(int level) const;
    // The shown photo at that level, for this surface's size and view.
    PicturePrefetch::Want WantFor(int level) const;
    // The photo layer's picture: decoded, turned by the angle.
    void ShowPicture(int w, int h);
    void ShowTurned(QImage picture);
    // The picture comes later, in OnPicture, unless a Take fetches it first.
    void AwaitPicture(const PicturePrefetch::Want& want);
    void OnPicture(PicturePrefetch::Photo photo, QSize atLeast);
    void PlaceLayers(const LayerPlacement& placement);
    void PlaceFrameLayer(const PixelRect& frame);
    void ApplyMove(const MoveResult& move);
    void SyncGeometry();
    // After every framing: the mark comes or goes, at the print's corner.
    void UpdateResolutionMark();
    void UpdateFaceMark();
    // Shows the mark at the print's upper left corner, or its lower left.
    void PlaceMark(QLabel* mark, bool on, bool atBottom);
    void UpdateMarks() {
        UpdateResolutionMark();
        UpdateFaceMark();
    }
    // Asks the finder for the shown photo's faces, unless they are known.
    void AskFaces();
    void FacesFound(unsigned generation);
    // A new photo's first frame keeps its faces, where the shop wants it.
    void PlaceFirstFrame();
    bool eventFilter(QObject* watched, QEvent* event) override;
    SurfaceLayer* L(int index) const { return layers_[static_cast<std::size_t>(index)]; }

    CellContext context_;
    std::array<SurfaceLayer*, 4> layers_{};
    QLabel* resolutionMark_ = nullptr;
    bool lowResolution_ = false;
    QLabel* faceMark_ = nullptr;
    bool facesCut_ = false;
    // The record was not seen before this photo was shown.
    bool newPhoto_ = false;
    // The last two decodes of the shown photo, so that leaving the big view
    // finds the small picture again.
    struct DecodedPicture {
        int level = -1;
        QSize atLeast;
        QImage picture;
    };
    std::array<DecodedPicture, 2> decoded_{};
    QImage preview_;
    bool previewShown_ = false;
    // Counts the photos shown: a picture handed over for an earlier one is
    // dropped.
    unsigned generation_ = 0;
};

}  // namespace orelle
