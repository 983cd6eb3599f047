#include "cell/ValuePad.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "cell/PopupPlacement.h"
#include "platform/paths/Paths.h"
#include "skin/BitmapButton.h"
#include "skin/CommandTarget.h"
#include "skin/PitchedText.h"
#include "skin/SkinLook.h"

namespace orelle {
namespace {

const char* const kPictures[][2] = {
    {"un_numberDlg.bmp", "numberDlg.bmp"},
    {"un_Scaledlg.bmp", "Scaledlg.bmp"},
    {"un_angle_back.bmp", "angle_back.bmp"},
};

const char* PictureName(int kind, bool highlighted) {
    const int slot = kind == kZoomPad ? 1 : kind == kRotationStrip ? 2 : 0;
    return kPictures[slot][highlighted ? 1 : 0];
}

std::string PicturePath(int kind, bool highlighted) {
    return paths::Join(paths::Join(paths::ProgramFolder(), "backscape"),
                       PictureName(kind, highlighted));
}

// The header's value box, white once the value has changed.
const QRect kValueBox(70, 10, ValuePadLogic::kWidth - 40 - 70, 17);

}  // namespace

std::string ValuePad::NormalPicturePath(int kind) { return PicturePath(kind, false); }
std::string ValuePad::HighlightPicturePath(int kind) { return PicturePath(kind, true); }

ValuePad::ValuePad(int kind, const std::string& text, int x, int y, int placement, QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint),
      logic_(kind, text),
      owner_(owner),
      normal_(QString::fromStdString(NormalPicturePath(kind))),
      highlight_(QString::fromStdString(HighlightPicturePath(kind))) {
    InstallSkinFonts();
    setObjectName(QStringLiteral("ValuePad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    setFont(GdiFont(skin::kSongTi, 16, 700));
    setFixedSize(logic_.Width(), logic_.Height());
    PopupOrigin at = kind == kRotationStrip
                         ? PopupOrigin{x - logic_.Width(), y - ValuePadLogic::kHeaderHeight}
                         : PlacePopup(placement, x, y, logic_.Width(), logic_.Height());
    move(at.x, at.y);
    show();
}

QRect ValuePad::KeyRect(int row, int column) const {
    // Row 1 starts under the header, where the pictures draw its keys.
    return QRect(ValuePadLogic::kKeyWidth * column,
                 ValuePadLogic::kHeaderHeight + ValuePadLogic::kKeyHeight * (row - 1),
                 ValuePadLogic::kKeyWidth, ValuePadLogic::kKeyHeight);
}

void ValuePad::PaintHeader(QPainter& p) const {
    p.setPen(Qt::black);
    PitchedText line;
    line.pitch = font().pixelSize();
    line.wrap = false;
    line.centreV = true;
    QRect box = kValueBox;
    if (headerRedrawn_) {
        p.drawPixmap(QPoint(0, 0), normal_, QRect(0, 0, width(), ValuePadLogic::kHeaderHeight));
        p.fillRect(kValueBox, Qt::white);
    } else {
        // Before the first change the text is centred over the header from
        // x = 30 to the right edge, at the box's top.
        box = QRect(30, kValueBox.top(), width() - 30, kValueBox.height());
    }
    DrawPitchedText(p, box, QString::fromStdString(logic_.Text()), font(), line);
}

void ValuePad::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (logic_.Kind() == kRotationStrip) {
        // The strip is the bottom of its picture.
        p.drawPixmap(QPoint(0, 0), normal_,
                     QRect(0, normal_.height() - height(), width(), height()));
        return;
    }
    p.drawPixmap(0, 0, normal_);
    if (hoverRow_ >= 1 && hoverColumn_ >= 0) {
        const QRect key = KeyRect(hoverRow_, hoverColumn_);
        p.drawPixmap(key.topLeft(), highlight_, key);
    }
    PaintHeader(p);
}

void ValuePad::mouseMoveEvent(QMouseEvent* event) {
    if (logic_.Kind() == kRotationStrip) return;
    const QPoint pt = event->position().toPoint();
    int row = ValuePadLogic::HitRow(pt.y()), column = ValuePadLogic::HitColumn(pt.x());
    if (!rect().contains(pt)) row = column = -1;
    if (row == hoverRow_ && column == hoverColumn_) return;
    hoverRow_ = row;
    hoverColumn_ = column;
    update();
}

void ValuePad::mousePressEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    if (!rect().contains(pt)) {
        close();  // a click elsewhere takes the focus away
        if (event->button() == Qt::LeftButton)
            BitmapButton::PassOnPopupTap(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const PadAnswer answer =
        logic_.Press(ValuePadLogic::HitRow(pt.y()), ValuePadLogic::HitColumn(pt.x()));
    if (answer.redrawHeader) headerRedrawn_ = true;
    update();
    if (answer.command) {
        QPointer<ValuePad> alive(this);
        SendCommand(owner_, *answer.command);
        if (!alive) return;
    }
    if (answer.close) close();
}

}  // namespace orelle
