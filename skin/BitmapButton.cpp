#include "skin/BitmapButton.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "platform/gbk/Gbk.h"
#include "skin/CaptionLayout.h"
#include "skin/CommandTarget.h"
#include "skin/CursorFile.h"
#include "skin/PitchedText.h"
#include "skin/RectLtrb.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinLook.h"

namespace orelle {

BitmapButton::BitmapButton()
    : fillColour(skin::kButtonFill),
      captionColour(skin::kButtonCaption),
      darkEdgeColour(skin::kEdgeDark),
      lightEdgeColour(skin::kEdgeLight) {
    repeat_.setInterval(kRepeatMs);
    connect(&repeat_, &QTimer::timeout, this, &BitmapButton::Fire);
}

void BitmapButton::SetRect(int left, int top, int right, int bottom) {
    rect = RectLtrb(left, top, right, bottom);
    if (owner_) setGeometry(rect);
}

bool BitmapButton::Create(QWidget* parent, int id) {
    if (!parent) return false;
    owner_ = parent;
    commandId = id;
    setParent(parent);
    setObjectName(QString::number(id));
    if (std::optional<QCursor> hand = HandCursor()) setCursor(*hand);
    setFont(GdiFont(skin::kSongTi, fontHeight, 300));
    setToolTip(QString::fromStdString(tooltipText));
    setGeometry(rect);
    LoadPicture();
    show();
    return true;
}

void BitmapButton::Refresh() {
    setFont(GdiFont(skin::kSongTi, fontHeight, 300));
    setToolTip(QString::fromStdString(tooltipText));
    LoadPicture();
    update();
}

void BitmapButton::LoadPicture() {
    if (pictureSource == 1) {
        picture_ = QPixmap(QString::fromStdString(bitmapFile));
    } else {
        picture_ = pictureId != 0 ? SkinBitmap(pictureId) : QPixmap();
    }
}

void BitmapButton::Fire() {
    if (owner_) SendCommand(owner_, commandId);
}

bool BitmapButton::PassOnPopupTap(const QPoint& globalPos) {
    QPointer<BitmapButton> target = qobject_cast<BitmapButton*>(QApplication::widgetAt(globalPos));
    if (!target || !target->isEnabled()) return false;
    // Queued, press and release as a tap: the popup finishes closing first,
    // and whatever watches the button's presses (a cell becoming active)
    // sees this one too.
    const QPointF local = target->mapFromGlobal(QPointF(globalPos));
    const QPointF global(globalPos);
    QCoreApplication::postEvent(
        target, new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        target, new QMouseEvent(QEvent::MouseButtonRelease, local, global, Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier));
    return true;
}

void BitmapButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    pressed = true;
    if (autoRepeat) repeat_.start();
    repaint();
}

void BitmapButton::mouseMoveEvent(QMouseEvent* event) {
    // Qt keeps the mouse with the pressed widget until the release; the
    // edge stays drawn while the button is held, inside or not.
    if (pressed && QRect(QPoint(0, 0), size()).contains(event->position().toPoint())) update();
}

void BitmapButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (autoRepeat) repeat_.stop();
    if (pressed) {
        pressed = false;
        if (QRect(QPoint(0, 0), size()).contains(event->position().toPoint())) {
            // The owner may close the dialog that holds this button.
            QPointer<BitmapButton> alive(this);
            Fire();
            if (!alive) return;
        }
    }
    update();
}

void BitmapButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width(), h = height();
    p.fillRect(0, 0, w, h, fillColour);
    if (!picture_.isNull()) DrawFace(p);
    DrawCaptions(p);
    if (pressed) {
        p.fillRect(0, 0, w, 2, darkEdgeColour);
        p.fillRect(0, 0, 2, h, darkEdgeColour);
        p.fillRect(0, h - 2, w, 2, lightEdgeColour);
        p.fillRect(w - 2, 0, 2, h, lightEdgeColour);
    }
}

void BitmapButton::DrawFace(QPainter& p) const {
    const int w = width(), h = height();
    const int pw = picture_.width(), ph = picture_.height();
    // A one-line caption wider than its face gets a face that holds it,
    // within the button: the face's ends as they are, its middle drawn wider.
    int faceWidth = pw;
    if (!caption1.empty() && caption2.empty() &&
        CaptionLineCount(w, fontHeight, gbk::Length(caption1)) == 1) {
        const int needed =
            QFontMetrics(font()).horizontalAdvance(QString::fromStdString(caption1)) + 12;
        faceWidth = std::clamp(needed, pw, std::max(pw, w));
    }
    const int x = (w - faceWidth) / 2, y = (h - ph) / 2;
    if (faceWidth == pw) return p.drawPixmap(x, y, picture_);
    const int end = std::min(10, pw / 3);
    p.drawPixmap(QRect(x, y, end, ph), picture_, QRect(0, 0, end, ph));
    p.drawPixmap(QRect(x + end, y, faceWidth - 2 * end, ph), picture_,
                 QRect(end, 0, pw - 2 * end, ph));
    p.drawPixmap(QRect(x + faceWidth - end, y, end, ph), picture_, QRect(pw - end, 0, end, ph));
}

void BitmapButton::DrawCaptions(QPainter& p) const {
    if (caption1.empty() && caption2.empty()) return;
    p.setPen(captionColour);
    const int w = width(), h = height();
    PitchedText one;
    one.pitch = fontHeight;
    one.wrap = false;
    if (!caption1.empty() && !caption2.empty()) {
        DrawPitchedText(p, QRect(0, lineTop1, w, fontHeight), QString::fromStdString(caption1),
                        font(), one);
        DrawPitchedText(p, QRect(0, lineTop2, w, fontHeight), QString::fromStdString(caption2),
                        font(), one);
        return;
    }
    if (caption1.empty()) return;  // a second caption alone is not drawn
    const std::string& text = caption1;
    const int lines = CaptionLineCount(w, fontHeight, gbk::Length(text));
    one.centreV = true;
    if (lines == 1) {
        DrawPitchedText(p, QRect(0, 0, w, h), QString::fromStdString(text), font(), one);
        return;
    }
    PitchedText wrapped = one;
    wrapped.wrap = true;
    wrapped.maxLines = lines;
    DrawPitchedText(p, QRect(5, 0, w - 10, h), QString::fromStdString(text), font(), wrapped);
}

}  // namespace orelle
