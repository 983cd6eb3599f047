#include "skin/ProgressBarWnd.h"

#include <QPainter>

#include "skin/SkinBitmaps.h"

namespace orelle {

ProgressBarWnd::ProgressBarWnd(QWidget* parent)
    : QWidget(parent),
      empty_(SkinBitmap(skinres::kProgressEmpty)),
      full_(SkinBitmap(skinres::kProgressFull)) {}

void ProgressBarWnd::SetSteps(int steps) {
    steps_ = steps;
    position_ = 0;
    filledWidth_ = 0;
    update();
}

void ProgressBarWnd::StepIt() {
    ++position_;
    // No steps would divide by zero: the bar then fills at the first step.
    const int steps = steps_ > 0 ? steps_ : 1;
    filledWidth_ = (width() / steps) * position_;
    repaint();
}

void ProgressBarWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, empty_);
    if (filledWidth_ > 0) {
        p.drawPixmap(QRect(0, 0, filledWidth_, empty_.height()), full_,
                     QRect(0, 0, filledWidth_, empty_.height()));
    }
}

}  // namespace orelle
