#include "cell/PhotoCell.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "cell/CaptionLabel.h"
#include "cell/CellCommands.h"
#include "cell/CellHost.h"
#include "cell/CellTexts.h"
#include "cell/PrintSizeChooser.h"
#include "cell/ValuePad.h"
#include "orderdata/PhotoList.h"
#include "orderdata/PhotoRecord.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/text/NumberText.h"
#include "skin/BitmapButton.h"
#include "skin/RectLtrb.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinLook.h"

namespace orelle {
namespace {

const QColor kPanel(201, 223, 245);
const QColor kActiveFrame(236, 162, 13);
const QColor kUnorderedFrame(255, 0, 0);

QRect ToQRect(const Ltrb& r) { return RectLtrb(r.left, r.top, r.right, r.bottom); }

bool IsMainWindowKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_F8:
        case Qt::Key_F9:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
        case Qt::Key_O:
        case Qt::Key_Q:
        case Qt::Key_W:
        case Qt::Key_E:
        case Qt::Key_R:
            return true;
        default:
            return false;
    }
}

// The rounded outline of the small view, as the window region cuts it.
QPainterPath Outline(int inset) {
    const Ltrb& o = celllayout::kOutline;
    const qreal r = celllayout::kCornerEllipse / 2.0;
    QPainterPath path;
    path.addRoundedRect(QRectF(o.left + inset, o.top + inset, o.right - o.left - 2 * inset,
                               o.bottom - o.top - 2 * inset),
                        r, r);
    return path;
}

}  // namespace

PhotoCell::PhotoCell(const CellContext& context) : surface(context), context_(context) {
    setObjectName(QString::number(kResourceId));
}

BitmapButton* PhotoCell::Button(int id) const {
    if (id == cellid::kDate) return dateButton;
    for (std::size_t i = 0; i < kCellButtons.size(); ++i) {
        if (kCellButtons[i].id == id) return buttons_[i];
    }
    return nullptr;
}

bool PhotoCell::Create(QWidget* mainWindow) {
    if (!mainWindow) return false;
    setParent(mainWindow);
    setGeometry(cellRect);

    surface.createRect = ToQRect(celllayout::kSurfaceSmall);
    surface.onDoubleClick = [this] { ToggleBigView(); };
    surface.onUnreadable = [this](PhotoRecord* record) { ShowUnreadable(record); };
    surface.onFacesTapped = [this] { KeepFaces(); };
    surface.Create(this, ImageSurface::kControlId);

    for (std::size_t i = 0; i < kCellButtons.size(); ++i) {
        const CellButtonSpec& spec = kCellButtons[i];
        auto* b = new BitmapButton;
        b->fillColour = kPanel;
        b->pictureId = spec.face;
        if (spec.fontHeight > 0) {
            b->fontHeight = spec.fontHeight;
            b->captionColour = spec.whiteCaption ? QColor(Qt::white) : QColor(Qt::black);
        }
        b->caption1 = spec.caption;
        b->tooltipText = spec.tooltip;
        b->autoRepeat = spec.autoRepeat;
        b->Create(this, spec.id);
        buttons_[i] = b;
    }
    std::copy_n(buttons_.begin(), 5, rowButtons.begin());
    std::copy_n(buttons_.begin() + 5, 4, padButtons.begin());
    std::copy_n(buttons_.begin() + 9, 4, toolButtons.begin());

    dateButton = new BitmapButton;
    dateButton->pictureId = skinres::kDateBack;
    dateButton->fontHeight = 14;
    dateButton->captionColour = Qt::black;
    dateButton->tooltipText = "点击可为照片加印拍照日期或取消加印日期!";
    dateButton->Create(this, cellid::kDate);

    sizeLabel = new CaptionLabel(cellid::kSize, skinres::kDateBack, this);
    sizeLabel->hide();
    nameLabel = new CaptionLabel(cellid::kName, skinres::kNameBack, this);
    unreadableLabel = new QLabel(QString::fromUtf8(kUnreadablePhotoText), this);
    unreadableLabel->setAlignment(Qt::AlignCenter);
    unreadableLabel->setFont(GdiFont(skin::kSongTi, 20, 700));
    unreadableLabel->setStyleSheet(QStringLiteral("color: rgb(255,0,0); background: transparent;"));
    unreadableLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    unreadableLabel->hide();

    ApplyLayout();
    FilterChildren();
    // A cell is born clear: no caption of a size, count or framing that no
    // photo has yet.
    ClearCell();
    show();
    return true;
}

void PhotoCell::FilterChildren() {
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void PhotoCell::ApplyLayout() {
    using namespace celllayout;
    surface.inBigView = bigView;  // before the surface resizes: it decodes for its view
    if (bigView) {
        clearMask();
        setMask(QRegion(ToQRect(kBigRegion)));
    } else {
        setGeometry(cellRect);
        QPainterPath outline = Outline(0);
        setMask(QRegion(outline.toFillPolygon().toPolygon()));
    }
    surface.setGeometry(ToQRect(bigView ? kSurfaceBig : kSurfaceSmall));
    unreadableLabel->setGeometry(surface.geometry());
    unreadableLabel->raise();
    nameLabel->setGeometry(ToQRect(bigView ? kNameBig : kNameSmall));
    sizeLabel->setGeometry(ToQRect(bigView ? kDateBig : kDateSmall));
    dateButton->SetRect(
        bigView ? kDateBig.left : kDateSmall.left, bigView ? kDateBig.top : kDateSmall.top,
        bigView ? kDateBig.right : kDateSmall.right, bigView ? kDateBig.bottom : kDateSmall.bottom);
    for (std::size_t i = 0; i < kCellButtons.size(); ++i) {
        const CellButtonSpec& spec = kCellButtons[i];
        Ltrb place = bigView ? spec.big : spec.small;
        if (spec.id == cellid::kFreeCrop) place = kFreeCropPlace;
        const bool shown = (bigView ? spec.big : spec.small).left >= 0;
        if (place.left >= 0) buttons_[i]->SetRect(place.left, place.top, place.right, place.bottom);
        buttons_[i]->setVisible(shown);
    }
    update();
}

PhotoRecord* PhotoCell::CurrentRecord() const {
    return context_.photos.Find(context_.host.RecordIndex(cellIndex, bigView));
}

void PhotoCell::SetButtonText(int id, const std::string& text) {
    if (BitmapButton* b = Button(id)) {
        b->caption1 = text;
        b->Refresh();
    }
}

void PhotoCell::ShowRecord(PhotoRecord* record) {
    if (!record) {
        ClearCell();
        return;
    }
    surface.SetPhotoIndex(context_.host.RecordIndex(cellIndex, bigView));
    pathName = record->srcName;
    if (!surface.LoadRecord(record)) {
        ShowUnreadable(record);
        return;
    }
    holdsPhoto_ = true;
    unreadableLabel->hide();
    surface.ShowLayers(false);
    scale = record->scale;
    number = record->number;
    angle = record->angle;

    nameLabel->SetText(FittedName(
        record->origName, PixelSize{surface.ImageWidth(), surface.ImageHeight()}));
    sizeLabel->SetText(PixelSizeText(surface.ImageWidth(), surface.ImageHeight()));
    dateButton->captionColour = record->adddatetime == 0 ? QColor(Qt::black) : QColor(255, 0, 0);
    SetButtonText(cellid::kDate, DateText(record->adddatetime));

    nameText = OrderedName(record->dstName, number);

    const PrintCatalogue& catalogue = context_.catalogue;
    SetButtonText(cellid::kQuantity, text::IntText(number));
    SetButtonText(cellid::kPrintSize, PrintSizeText(catalogue.GetName(record->specIndex)));
    SetButtonText(cellid::kCropFill, CropFillText(record->operate));
    SetButtonText(cellid::kZoom, ZoomText(scale));
    SetButtonText(cellid::kRotation, AngleText(angle));

    surface.Refresh();
    surface.ShowLayers(true);
    PrefetchBigView();
    update();
}

void PhotoCell::ShowUnreadable(PhotoRecord* record) {
    ClearCell();
    // Not printable: said in words, with the red frame of a photo not ordered.
    holdsPhoto_ = true;
    unreadableLabel->show();
    update();
    if (!record) return;  // the page is being filled anew
    record->number = 0;
    record->rcDst.width = 0;
    nameText = OrderedName(record->dstName, record->number);
    nameLabel->SetText(FittedName(record->origName, std::nullopt));
}

void PhotoCell::ClearCell() {
    surface.ClearImage();
    number = 0;
    scale = 100;
    holdsPhoto_ = false;
    unreadableLabel->hide();
    nameText.clear();
    nameLabel->SetText("");
    sizeLabel->SetText("");
    SetButtonText(cellid::kDate, "");
    // Nothing of a previous page or customer stays on the buttons.
    for (int id : {cellid::kPrintSize, cellid::kQuantity, cellid::kCropFill, cellid::kZoom,
                   cellid::kRotation})
        SetButtonText(id, "");
    update();
}

std::string PhotoCell::FittedName(const std::string& origName,
                                  std::optional<PixelSize> size) const {
    const QFontMetrics metrics(nameLabel->font());
    const int room = nameLabel->width() - 4;
    const auto fits = [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text)) <= room;
    };
    if (!size) return ElidedName(origName, "", fits);
    return ElidedName(origName, "(" + PixelSizeText(size->width, size->height) + ")", fits);
}

void PhotoCell::SetActive(bool on) {
    if (on == active) return;
    active = on;
    PrefetchBigView();
    update();
}

void PhotoCell::Prefetch(const CellContext& context, const PhotoRecord& record, bool forBigView) {
    const Ltrb& r = forBigView ? celllayout::kSurfaceBig : celllayout::kSurfaceSmall;
    ImageSurface::Prefetch(context, record, forBigView, QSize(r.right - r.left, r.bottom - r.top));
}

void PhotoCell::PrefetchBigView() const {
    if (active && !bigView && surface.HasImage() && surface.record)
        Prefetch(context_, *surface.record, true);
}

void PhotoCell::SetNumber(std::int32_t n) {
    const std::int32_t old = number;
    number = n;
    if (PhotoRecord* r = CurrentRecord()) r->number = n;
    // The red frame comes or goes.
    if ((old == 0) != (n == 0)) update();
    SetButtonText(cellid::kQuantity, text::IntText(n));
    context_.host.RecordChanged();
}

void PhotoCell::ToggleBigView() { context_.host.ToggleBigView(cellIndex); }

void PhotoCell::SetBigView(bool big) {
    bigView = big;
    if (big) {
        const int width = parentWidget() ? parentWidget()->width() : this->width();
        setGeometry(0, celllayout::kBigTop, width, celllayout::kBigHeight);
        ApplyLayout();
        show();
        return;
    }
    hide();
    setGeometry(cellRect);
    ApplyLayout();
    show();
}

void PhotoCell::paintEvent(QPaintEvent*) {
    using namespace celllayout;
    QPainter p(this);
    if (bigView) {
        p.fillRect(ToQRect(kBigPanel), kPanel);
        p.drawPixmap(830, 2, SkinBitmap(skinres::kNameBack));
        p.drawPixmap(830, 20, SkinBitmap(skinres::kDateBack));
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel = Outline(0);
    QPainterPath photo;
    photo.addRect(ToQRect(kPhotoArea));
    p.fillPath(panel.subtracted(photo), kPanel);
    const QPainterPath frame = Outline(0).subtracted(Outline(kFrameThickness));
    if (active) p.fillPath(frame, kActiveFrame);
    if (number == 0 && holdsPhoto_) p.fillPath(frame, kUnorderedFrame);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawPixmap(kNameSmall.left - 1, kNameSmall.top, SkinBitmap(skinres::kNameBack));
    p.drawPixmap(kDateSmall.left - 1, kDateSmall.top, SkinBitmap(skinres::kDateBack));
}

bool PhotoCell::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!IsMainWindowKey(key->key()) || !parentWidget()) return false;
            QCoreApplication::postEvent(parentWidget(), key->clone());
            return true;
        }
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const Qt::MouseButton button = mouse->button();
            if (button != Qt::LeftButton && button != Qt::RightButton) return false;
            if (cellIndex != context_.host.ActiveCell()) context_.host.ActiveWin(cellIndex);
            auto* widget = qobject_cast<QWidget*>(watched);
            if (button == Qt::RightButton && surface.HasImage() && surface.OwnsWindow(widget)) {
                // A right click orders the photo once, or not at all.
                if (!context_.busy) SetNumber(number == 0 ? 1 : 0);
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

}  // namespace orelle
