#include "cell/CaptionLabel.h"

#include <QPainter>

#include "skin/PitchedText.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinLook.h"

namespace orelle {

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
    DrawPitchedText(p, rect(), QString::fromStdString(text_), font(), line);
}

}  // namespace orelle
