#include "cell/ImageSurface.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QRegion>
#include <QResizeEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "cell/FaceFinder.h"
#include "cell/FaceFraming.h"
#include "orderdata/FaceCrop.h"
#include "orderdata/FaceStore.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/OrderSession.h"
#include "orderdata/PhotoRecord.h"
#include "orderdata/PrintResolution.h"
#include "platform/imaging/Imprint.h"
#include "platform/imaging/PictureRotation.h"
#include "platform/paths/Paths.h"
#include "skin/SkinLook.h"

namespace orelle {
namespace {

const QColor kGrey(124, 124, 124);
const QColor kYellow(242, 242, 0);
const QColor kBound(201, 223, 245);
const QColor kMarkFill(220, 0, 0);
// The mark's distance from the print's corner.
constexpr int kMarkInset = 4;

const QColor kFaceMarkFill(230, 120, 0);

QRect ToQRect(const PixelRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// On what prints of the photo: the frame's part of it, or the photo on its
// paper; never off the surface.
QRect PrintArea(const FrameGeometry& framing, const QRect& surface) {
    return ToQRect(framing.imageRect) & ToQRect(framing.frameRect) & surface;
}

// A mark over the photo: white words on a coloured ground, hidden.
QLabel* MakeMark(const char* text, const char* name, const QColor& fill, QWidget* parent) {
    auto* mark = new QLabel(QString::fromUtf8(text), parent);
    mark->setObjectName(QString::fromUtf8(name));
    mark->setAutoFillBackground(true);
    QPalette pal = mark->palette();
    pal.setColor(QPalette::Window, fill);
    pal.setColor(QPalette::WindowText, Qt::white);
    mark->setPalette(pal);
    mark->setMargin(3);
    mark->hide();
    return mark;
}

}  // namespace

std::string ImageSurface::BigViewBackgroundPath() {
    return paths::Join(paths::Join(paths::ProgramFolder(), "backscape"), "image_back.bmp");
}

ImageSurface::ImageSurface(const CellContext& context)
    : framing(&context.catalogue, &context.photos), context_(context) {
    setObjectName(QString::number(kControlId));
}

bool ImageSurface::Create(QWidget* ownerWindow, int id) {
    owner = ownerWindow;
    setParent(ownerWindow);
    setObjectName(QString::number(id));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kGrey);
    setPalette(pal);
    setCursor(Qt::ArrowCursor);
    setGeometry(createRect);
    for (int i = 0; i < 4; ++i) {
        layers_[static_cast<std::size_t>(i)] = new SurfaceLayer(i + 1, *this, this);
        L(i)->SetColour(kGrey);
        L(i)->hide();
    }
    // Frame on top, background at the bottom.
    for (int i = kBackgroundLayer; i >= kFrameLayer; --i) L(i)->raise();
    L(kFrameLayer)->SetColour(kYellow);
    L(kPaperLayer)->SetColour(kBound);
    L(kBackgroundLayer)->setGeometry(rect());
    L(kBackgroundLayer)->show();
    resolutionMark_ = MakeMark(kLowResolutionText, "lowResolution", kMarkFill, this);
    // It tells, it takes no clicks: the photo under it still drags.
    resolutionMark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    faceMark_ = MakeMark(kFaceCutText, "faceCut", kFaceMarkFill, this);
    // A tap on it keeps the faces.
    faceMark_->setCursor(Qt::PointingHandCursor);
    faceMark_->installEventFilter(this);
    created = true;
    show();
    return true;
}

void ImageSurface::ShowLayers(bool showThem) {
    if (!created) return;
    for (int i = 0; i < 4; ++i) L(i)->setVisible(showThem);
    // Orders that are taken as they are show no crop frame.
    if (context_.session.nOrderType != 0) L(kFrameLayer)->hide();
    resolutionMark_->setVisible(showThem && lowResolution_);
    faceMark_->setVisible(showThem && facesCut_);
    if (showThem) {
        resolutionMark_->raise();
        faceMark_->raise();
    }
}

void ImageSurface::UpdateResolutionMark() {
    lowResolution_ =
        loaded && record &&
        BelowMinDpi(*record, fileWidth, fileHeight, context_.catalogue, context_.minDpi);
    PlaceMark(resolutionMark_, lowResolution_, false);
}

void ImageSurface::PlaceMark(QLabel* mark, bool on, bool atBottom) {
    if (!on) {
        mark->hide();
        return;
    }
    mark->setFont(GdiFont(skin::kSongTi, inBigView ? 20 : 14, 700));
    mark->adjustSize();
    const QRect shown = PrintArea(framing, rect());
    QPoint corner = shown.isEmpty() ? QPoint(0, 0) : shown.topLeft();
    if (atBottom) {
        corner.setY((shown.isEmpty() ? height() : shown.bottom() + 1) - mark->height() -
                    2 * kMarkInset);
    }
    mark->move(corner + QPoint(kMarkInset, kMarkInset));
    mark->setVisible(!L(kPhotoLayer)->isHidden());
    mark->raise();
}

void ImageSurface::UpdateFaceMark() {
    facesCut_ = false;
    if (loaded && record && context_.faceStore && context_.faces > 0 &&
        context_.session.nOrderType == 0) {
        if (const auto faces = context_.faceStore->Find(pathName))
            facesCut_ = CutsFace(*record, *faces, fileWidth, fileHeight);
    }
    // At the print's lower left corner, apart from the other mark.
    PlaceMark(faceMark_, facesCut_, true);
}

std::vector<FaceBox> ImageSurface::ShownFacesNow() const {
    if (!loaded || !context_.faceStore) return {};
    const auto faces = context_.faceStore->Find(pathName);
    if (!faces) return {};
    return ShownFaces(*faces, fileWidth, fileHeight, framing.angle);
}

bool ImageSurface::CanKeepFaces() const {
    if (!loaded) return false;
    FrameGeometry trial = framing;
    trial.SetPhotoList(nullptr);  // a trial stores nothing
    trial.mode = kModeCrop;
    trial.scale = 100;
    return orelle::KeepFaces(trial, ShownFacesNow());
}

bool ImageSurface::KeepFaces() {
    if (!loaded || !record) return false;
    SyncGeometry();
    framing.mode = kModeCrop;
    framing.scale = 100;
    const bool kept = orelle::KeepFaces(framing, ShownFacesNow());
    record->offsetSZX = framing.offsetX;
    record->offsetSZY = framing.offsetY;
    Refresh();
    return kept;
}

void ImageSurface::AskFaces() {
    if (!loaded || context_.faces <= 0 || !context_.faceFinder || !context_.faceStore) return;
    if (context_.faceStore->Find(pathName)) return;
    QPointer<ImageSurface> self(this);
    context_.faceFinder->Find(pathName, decoded_[0].picture, QSize(fileWidth, fileHeight),
                              [self, generation = generation_] {
                                  if (self) self->FacesFound(generation);
                              });
}

void ImageSurface::FacesFound(unsigned generation) {
    if (generation != generation_ || !loaded) return;
    // The list is the worker's while it is busy: the frame waits.
    if (context_.busy) {
        QTimer::singleShot(20, this, [this, generation] { FacesFound(generation); });
        return;
    }
    PlaceFirstFrame();
    UpdateFaceMark();
}

void ImageSurface::PlaceFirstFrame() {
    if (context_.faces < 2 || !newPhoto_ || !loaded || !record || context_.session.nOrderType != 0)
        return;
    // Only the frame nobody placed yet: cropped, unturned, at 100 %, centred.
    if (framing.mode != kModeCrop || framing.scale != 100 || framing.angle != 0 ||
        framing.offsetX != 0 || framing.offsetY != 0)
        return;
    if (!context_.faceStore || !context_.faceStore->Find(pathName)) return;  // not known yet
    newPhoto_ = false;
    // Where no frame holds them all, it stays centred and the mark tells.
    if (CanKeepFaces()) KeepFaces();
}

bool ImageSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched != faceMark_) return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    if (type == QEvent::MouseButtonRelease && onFacesTapped) onFacesTapped();
    return true;
}

void ImageSurface::SyncGeometry() {
    framing.SetSurfaceSize(width(), height());
    framing.SetBigView(inBigView);
}

const QImage* ImageSurface::FindDecoded(int level) const {
    for (const DecodedPicture& d : decoded_) {
        if (d.level == level && d.atLeast == size() && !d.picture.isNull()) return &d.picture;
    }
    return nullptr;
}

PicturePrefetch::Want ImageSurface::WantFor(int level) const {
    // Asked as the cell asks ahead (the photo's own level), so that what
    // was read ahead is found.
    const bool own = level == LoadReductionLevel(fileWidth, fileHeight, inBigView);
    // Never smaller than the surface: the reduction is for speed only.
    return {pathName, own ? std::nullopt : std::optional<int>(level), inBigView, size()};
}

QImage ImageSurface::Decoded(int w, int h) {
    const int level = LoadReductionLevel(w, h, inBigView);
    if (const QImage* picture = FindDecoded(level)) return *picture;
    const PicturePrefetch::Want want = WantFor(level);
    PicturePrefetch::Photo photo = context_.prefetch.Take(want);
    Keep(photo.level, want.atLeast, std::move(photo.picture));
    return decoded_[0].picture;
}

void ImageSurface::Keep(int level, QSize atLeast, QImage picture) {
    decoded_[1] = std::move(decoded_[0]);
    decoded_[0] = {level, atLeast, std::move(picture)};
}

void ImageSurface::Prefetch(const CellContext& context, const PhotoRecord& record, bool bigView,
                            QSize surfaceSize) {
    if (record.srcName.empty()) return;
    context.prefetch.Request({record.srcName, std::nullopt, bigView, surfaceSize});
}

void ImageSurface::ShowPicture(int w, int h) {
    ShowTurned(Decoded(w, h));
    // Once the picture is on show, its preview never comes back.
    previewShown_ = false;
}

void ImageSurface::ShowTurned(QImage picture) {
    if (framing.angle != 0 && !picture.isNull()) {
        picture = RotatePicture(picture, 360.0 - framing.angle);
    }
    // Replaced in place: the layer never shows an empty interim.
    L(kPhotoLayer)->SetPicture(std::move(picture));
}

void ImageSurface::AwaitPicture(const PicturePrefetch::Want& want) {
    QPointer<ImageSurface> self(this);
    context_.prefetch.TakeLater(
        want, [self, generation = generation_, atLeast = want.atLeast](PicturePrefetch::Photo p) {
            if (self && self->generation_ == generation) self->OnPicture(std::move(p), atLeast);
        });
}

void ImageSurface::OnPicture(PicturePrefetch::Photo photo, QSize atLeast) {
    if (photo.picture.isNull()) {
        if (!previewShown_) return;
        // The photo list is the worker's while it is busy: the cell marks
        // the record afterwards.
        if (context_.busy) {
            QTimer::singleShot(20, this, [this, generation = generation_, atLeast] {
                if (generation_ == generation) OnPicture({}, atLeast);
            });
            return;
        }
        PhotoRecord* shown = record;
        ClearImage();
        if (onUnreadable) onUnreadable(shown);
        return;
    }
    Keep(photo.level, atLeast, std::move(photo.picture));
    if (!previewShown_ || !loaded) return;
    ShowPicture(fileWidth, fileHeight);
    ImprintDate();
    AskFaces();
}

bool ImageSurface::LoadRecord(PhotoRecord* r) {
    if (!created || !r) return false;
    L(kFrameLayer)->hide();
    L(kPhotoLayer)->hide();
    L(kPaperLayer)->hide();
    L(kBackgroundLayer)->SetColour(kBound);
    loaded = false;
    if (r->srcName.empty()) return false;
    record = r;
    // Shown again (a copy next to it, a page turned back): what was read
    // stays good, the copy in the work folder being the station's own.
    const bool again = pathName == r->srcName && fileWidth > 0;
    if (!again) decoded_ = {};
    pathName = r->srcName;
    L(kPhotoLayer)->ClearPicture();
    int w = fileWidth;
    int h = fileHeight;
    bool previewFirst = false;
    if (!again || !FindDecoded(LoadReductionLevel(w, h, inBigView))) {
        ++generation_;
        previewShown_ = false;
        // Read on a worker, ahead of time when the page asked for it.
        const PicturePrefetch::Want want{pathName, std::nullopt, inBigView, size()};
        PicturePrefetch::Photo head = context_.prefetch.TakeHead(want);
        if (!head.pixels) {
            fileWidth = fileHeight = 0;
            return false;
        }
        w = head.pixels->width();
        h = head.pixels->height();
        shotDate = std::move(head.shotDate);
        preview_ = std::move(head.preview);
        // Decoded already: the preview has nothing to stand in for.
        previewFirst = !preview_.isNull() && !head.pictureRead;
        if (previewFirst) {
            AwaitPicture(want);
        } else {
            PicturePrefetch::Photo photo =
                head.pictureRead ? std::move(head) : context_.prefetch.Take(want);
            // A file whose header reads but whose picture does not is as unreadable.
            if (photo.picture.isNull()) {
                fileWidth = fileHeight = 0;
                return false;
            }
            Keep(photo.level, want.atLeast, std::move(photo.picture));
        }
    }
    loaded = true;
    SyncGeometry();
    framing.LoadFromRecord(*r, w, h);
    fileWidth = w;
    fileHeight = h;
    newPhoto_ = r->bBrowsed == 0;
    r->bBrowsed = 1;
    r->pixelWidth = w;
    r->pixelHeight = h;
    if (previewFirst) {
        ShowTurned(preview_);
        previewShown_ = true;
    } else {
        ShowPicture(w, h);
    }
    Refresh();
    ImprintDate();
    PlaceFirstFrame();
    if (!previewShown_) AskFaces();
    return true;
}

void ImageSurface::ClearImage() {
    loaded = false;
    record = nullptr;
    pathName.clear();
    decoded_ = {};
    ++generation_;
    preview_ = QImage();
    previewShown_ = false;
    framing.Clear();
    lowResolution_ = false;
    facesCut_ = false;
    if (!created) return;
    resolutionMark_->hide();
    faceMark_->hide();
    L(kPhotoLayer)->ClearPicture();
    // Nothing of the last photo stays on the empty surface, its frame neither.
    L(kFrameLayer)->hide();
    L(kPhotoLayer)->hide();
    L(kPaperLayer)->hide();
    L(kBackgroundLayer)->SetColour(kGrey);
}

void ImageSurface::SetOffsets(int x, int y) { framing.SetOffsets(x, y); }

bool ImageSurface::SetSpec(int i) { return framing.SetSpec(i); }

void ImageSurface::SetScale(int percent) { framing.SetScale(percent); }

void ImageSurface::ToggleFit() {
    if (!loaded) return;
    SyncGeometry();
    const RefreshResult r = framing.ToggleFit();
    if (r.done) PlaceLayers(r.layers);
    UpdateMarks();
}

void ImageSurface::Refresh() {
    if (!loaded || !created) return;
    SyncGeometry();
    const RefreshResult r = framing.Refresh();
    if (r.done) PlaceLayers(r.layers);
    UpdateMarks();
}

void ImageSurface::PlaceLayers(const LayerPlacement& p) {
    SurfaceLayer* paper = L(kPaperLayer);
    paper->setGeometry(ToQRect(p.paper));
    paper->SetColour(p.paperColour == PaperColour::kBlack ? QColor(Qt::black) : QColor(Qt::white));
    L(kPhotoLayer)->setGeometry(ToQRect(p.photo));
    PlaceFrameLayer(p.frame);
}

void ImageSurface::PlaceFrameLayer(const PixelRect& frame) {
    SurfaceLayer* layer = L(kFrameLayer);
    layer->setGeometry(ToQRect(frame));
    QRegion outline;
    for (const PixelRect& strip : FrameOutline(frame.Width(), frame.Height())) {
        outline += ToQRect(strip);
    }
    // An empty mask would show the whole layer: hide what has no outline.
    if (outline.isEmpty()) {
        layer->setMask(QRegion(0, 0, 1, 1));
    } else {
        layer->setMask(outline);
    }
    layer->update();
}

void ImageSurface::SetMode(int m) {
    if (!loaded) return;
    ShowPicture(framing.imageWidth, framing.imageHeight);
    ImprintDate();
    framing.mode = m;
}

void ImageSurface::Rotate(int degrees) {
    framing.angle = degrees;
    if (!loaded) return;
    // The copy in the work folder is the station's own: its size stays.
    const int w = fileWidth;
    const int h = fileHeight;
    const PixelSize shown = degrees != 0 ? RotatedBounds(w, h, degrees) : PixelSize{w, h};
    ShowPicture(w, h);
    framing.imageWidth = shown.width;
    framing.imageHeight = shown.height;
    ImprintDate();
}

void ImageSurface::ImprintDate() {
    // The date goes on the picture, not on its preview.
    if (!loaded || !record || record->adddatetime == 0 || previewShown_) return;
    const std::size_t blank = shotDate.find(' ');
    if (blank == std::string::npos) return;  // no recorded date: no imprint
    const std::string text = shotDate.substr(0, blank);
    QImage picture = L(kPhotoLayer)->Picture();
    const int shownW = framing.imageRect.Width();
    const int shownH = framing.imageRect.Height();
    if (picture.isNull() || shownW <= 0 || shownH <= 0) return;
    const int pw = picture.width(), ph = picture.height();
    const double r = std::max(static_cast<double>(pw) / shownW, static_cast<double>(ph) / shownH);
    const int size = static_cast<int>(r * 14);
    const int f = ImprintFontSize(skin::kSongTi, size);
    DrawTextOnPicture(picture, text, skin::kSongTi, size, static_cast<int>(pw - 8.0 * f),
                      static_cast<int>(ph - 2.0 * f));
    L(kPhotoLayer)->SetPicture(std::move(picture));
}

bool ImageSurface::OwnsWindow(const QWidget* w) const {
    return w && (w == this || std::find(layers_.begin(), layers_.end(), w) != layers_.end());
}

void ImageSurface::RefreshControls() {
    if (!created) return;
    for (int i = kBackgroundLayer; i >= kFrameLayer; --i) L(i)->update();
}

void ImageSurface::ApplyMove(const MoveResult& m) {
    if (m.taken) {
        for (SurfaceLayer* layer : layers_) layer->setCursor(Qt::SizeAllCursor);
    }
    if (m.frameMoved) PlaceFrameLayer(framing.frameRect);
    if (m.photoMoved) L(kPhotoLayer)->setGeometry(ToQRect(framing.imageRect));
    if (m.frameMoved || m.photoMoved) UpdateFaceMark();
    if (m.repaintPaper) {
        L(kPaperLayer)->update();
        L(kPhotoLayer)->update();
        L(kFrameLayer)->update();
    }
    if (m.repaintBackground) {
        L(kBackgroundLayer)->update();
        L(kPhotoLayer)->update();
        L(kFrameLayer)->update();
    }
}

void ImageSurface::Nudge(int direction) {
    if (!loaded) return;
    SyncGeometry();
    ApplyMove(framing.Nudge(direction, context_.busy));
    for (SurfaceLayer* layer : layers_) layer->setCursor(Qt::ArrowCursor);
}

void ImageSurface::OnLayerPress(int layer, Qt::MouseButton button, int x, int y) {
    if (button != Qt::LeftButton || !loaded) return;
    SyncGeometry();
    framing.Press(x, y, layer);
}

void ImageSurface::OnLayerMove(int, int x, int y) {
    if (!framing.dragging) return;
    ApplyMove(framing.Move(x, y, context_.busy));
}

void ImageSurface::OnLayerRelease(int, Qt::MouseButton button, int, int) {
    if (button != Qt::LeftButton) return;
    framing.Release();
    for (SurfaceLayer* layer : layers_) layer->setCursor(Qt::ArrowCursor);
    if (loaded && !context_.busy) context_.host.RecordEdited();
}

void ImageSurface::OnLayerDoubleClick(int) {
    if (!loaded || context_.busy) return;
    if (context_.flags.IsDatabaseEdition()) return;
    framing.Release();
    if (onDoubleClick) onDoubleClick();
}

void ImageSurface::resizeEvent(QResizeEvent*) {
    if (!created) return;
    ShowLayers(false);
    SurfaceLayer* background = L(kBackgroundLayer);
    if (loaded) {
        background->ClearPicture();
        if (inBigView)
            background->SetPicture(QImage(QString::fromStdString(BigViewBackgroundPath())));
        ShowPicture(fileWidth, fileHeight);
        L(kFrameLayer)->setGeometry(rect());
        Refresh();
        ImprintDate();
    }
    background->setGeometry(rect());
    if (loaded) {
        ShowLayers(true);
    } else {
        background->show();
    }
    RefreshControls();
}

}  // namespace orelle
