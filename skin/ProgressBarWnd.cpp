#include "skin/ProgressBarWnd.h"

#include <QPainter>
#include <algorithm>

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
    filledWidth_ = Filled(width(), position_, steps_);
    repaint();
}

int ProgressBarWnd::Filled(int width, int position, int steps) {
    // No steps would divide by zero: the bar then fills at the first step.
    if (steps <= 0) return position > 0 ? width : 0;
    const long long filled = static_cast<long long>(width) * std::min(position, steps) / steps;
    return static_cast<int>(filled);
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
