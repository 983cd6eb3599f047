#include "skin/SkinDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "skin/SkinBitmaps.h"
#include "skin/SkinLook.h"

namespace orelle {
namespace {

// frame_ slots, in the order of the frame resources 1022 .. 1029.
enum Piece { kBottom, kBottomLeft, kBottomRight, kLeft, kRight, kTitle, kTopLeft, kTopRight };

// The title's distance from the emblem: the sizing-frame width of the
// system the layouts come from.
constexpr int kTitleMargin = 4;

// Tiles from `from` to `to` along one axis; the last copy may run under the
// corner drawn after it.
void Tile(QPainter& p, const QPixmap& tile, bool horizontal, int from, int to, int at) {
    const int step = horizontal ? tile.width() : tile.height();
    if (tile.isNull() || step <= 0) return;
    const int n = (to - from + step - 1) / step;
    for (int i = 0; i < n; ++i) {
        if (horizontal) {
            p.drawPixmap(from + i * step, at, tile);
        } else {
            p.drawPixmap(at, from + i * step, tile);
        }
    }
}

}  // namespace

SkinDialog::SkinDialog(int resourceId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), resourceId_(resourceId) {
    InstallSkinFonts();
    setObjectName(QString::number(resourceId));
    setFont(DialogFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void SkinDialog::SetTitle(const std::string& utf8) {
    setWindowTitle(QString::fromStdString(utf8));
    update();
}

void SkinDialog::InitDialog() {
    if (initialized_) return;
    initialized_ = true;
    OnInitDialog();
    // Made while the dialog is being shown, the controls would stay hidden
    // on a display: a child of a visible window is shown by hand. Controls
    // hidden on purpose stay hidden.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide))
            child->show();
    }
}

bool SkinDialog::OnInitDialog() { return true; }

void SkinDialog::PlaceCentred(int w, int h) {
    QRect screen(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->geometry();
    setFixedSize(w, h);
    move(screen.left() + (screen.width() - w) / 2, screen.top() + (screen.height() - h) / 2);
}

void SkinDialog::showEvent(QShowEvent* event) {
    InitDialog();
    QDialog::showEvent(event);
}

void SkinDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    PaintBackground(p);
    DrawFrame(p);
}

void SkinDialog::DrawFrame(QPainter& p) {
    if (!framesLoaded_) {
        framesLoaded_ = true;
        for (int i = 0; i < 8; ++i) frame_[i] = SkinBitmap(skinres::kFrameBottom + i);
    }
    const int W = width(), H = height();
    const QPixmap& tl = frame_[kTopLeft];
    const QPixmap& tr = frame_[kTopRight];
    const QPixmap& bl = frame_[kBottomLeft];
    const QPixmap& br = frame_[kBottomRight];
    p.drawPixmap(0, 0, tl);
    Tile(p, frame_[kTitle], true, tl.width(), W - tr.width(), 0);
    Tile(p, frame_[kLeft], false, tl.height(), H - bl.height(), 0);
    p.drawPixmap(W - tr.width(), 0, tr);
    Tile(p, frame_[kRight], false, tr.height(), H - br.height(), W - frame_[kRight].width());
    p.drawPixmap(0, H - bl.height(), bl);
    Tile(p, frame_[kBottom], true, bl.width(), W - br.width(), H - frame_[kBottom].height());
    p.drawPixmap(W - br.width(), H - br.height(), br);

    const int barHeight = frame_[kTitle].isNull() ? 25 : frame_[kTitle].height();
    const QRect titleRect(tl.width() + kTitleMargin, 0,
                          W - tl.width() - tr.width() - 2 * kTitleMargin, barHeight);
    p.setPen(skin::kTitleText);
    p.setFont(font());
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, windowTitle());
}

bool SkinDialog::InTitleStrip(QPoint clientPoint) const {
    const QPixmap& title = frame_[kTitle];
    return !title.isNull() && clientPoint.y() < title.height();
}

void SkinDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OnOK();
            return;
        case Qt::Key_Escape:
            OnCancel();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void SkinDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && InTitleStrip(event->position().toPoint())) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        return;
    }
    QDialog::mousePressEvent(event);
}

void SkinDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void SkinDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

}  // namespace orelle
