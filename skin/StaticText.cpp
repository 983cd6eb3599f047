#include "skin/StaticText.h"

#include <QPainter>

#include "skin/PitchedText.h"

namespace orelle {

StaticText::StaticText(int id, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::number(id));
}

void StaticText::SetText(const std::string& utf8) {
    text_ = QString::fromStdString(utf8);
    update();
}

void StaticText::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    PitchedText how;
    how.pitch = kLinePitch;
    how.maxLines = height() / kLinePitch + 1;  // a partly visible last line is clipped
    how.centreH = false;
    DrawPitchedText(p, rect(), text_, font(), how);
}

}  // namespace orelle
