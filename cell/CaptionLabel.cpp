#include "cell/CaptionLabel.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/PitchedText.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinLook.h"

namespace orelle {
namespace {

constexpr int kSmallestPixels = 10;

}  // namespace

CaptionLabel::CaptionLabel(int id, int bitmapId, QWidget* parent)
    : QWidget(parent), bitmapId_(bitmapId) {
    setObjectName(QString::number(id));
    setFont(GdiFont(skin::kSongTi, 14, 100));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CaptionLabel::SetText(const std::string& utf8) {
    text_ = utf8;
    repaint();
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (bitmapId_ != 0) p.drawPixmap(0, 0, SkinBitmap(bitmapId_));
    if (text_.empty()) return;
    p.setPen(colour_);
    PitchedText line;
    line.pitch = 14;
    line.wrap = false;
    // A text too wide for its place (a long photo name with its size) is
    // drawn smaller, down to a size still read, then cut in the middle.
    QFont f = font();
    QString text = QString::fromStdString(text_);
    while (f.pixelSize() > kSmallestPixels && QFontMetrics(f).horizontalAdvance(text) > width())
        f.setPixelSize(f.pixelSize() - 1);
    text = QFontMetrics(f).elidedText(text, Qt::ElideMiddle, width());
    DrawPitchedText(p, rect(), text, f, line);
}

}  // namespace orelle
