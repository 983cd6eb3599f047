#include "skin/CellBitmaps.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "skin/SkinBitmaps.h"

namespace orelle {
namespace {

constexpr int kFaceW = 56;
constexpr int kFaceH = 50;
const QColor kEdge(64, 120, 196);
const QColor kDeep(36, 92, 170);

QPixmap Blank(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

// A rounded panel in a top-lit gradient, the ground of the captions.
QPixmap Panel(QColor top, QColor bottom) {
    QPixmap pm = Blank(kFaceW, kFaceH);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, kFaceH);
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, kFaceW - 1, kFaceH - 1), 7, 7);
    p.fillPath(path, g);
    p.setPen(kEdge);
    p.drawPath(path);
    return pm;
}

// A blue disc with a white arrow on it.
QPixmap Disc(const QPainterPath& sign) {
    QPixmap pm = Blank(kFaceW, kFaceH);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 5, 0, 45);
    g.setColorAt(0.0, QColor(110, 170, 240));
    g.setColorAt(1.0, kDeep);
    p.setPen(QPen(kEdge, 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(8.5, 5.5, 39, 39));
    p.fillPath(sign, Qt::white);
    return pm;
}

// A triangle pointing from the disc's centre: the minus and plus faces
// (also the left and right moves) point sideways, the up and down moves
// up and down.
enum class Pointing { kLeft, kRight, kUp, kDown };

QPainterPath Arrow(Pointing to) {
    const QPointF c(28, 25);
    QPolygonF tri;
    switch (to) {
        case Pointing::kLeft:
            tri << c + QPointF(-11, 0) << c + QPointF(7, -11) << c + QPointF(7, 11);
            break;
        case Pointing::kRight:
            tri << c + QPointF(11, 0) << c + QPointF(-7, -11) << c + QPointF(-7, 11);
            break;
        case Pointing::kUp:
            tri << c + QPointF(0, -11) << c + QPointF(11, 7) << c + QPointF(-11, 7);
            break;
        case Pointing::kDown:
            tri << c + QPointF(0, 11) << c + QPointF(11, -7) << c + QPointF(-11, -7);
            break;
    }
    QPainterPath path;
    path.addPolygon(tri);
    path.closeSubpath();
    return path;
}

// A label strip: light at the top, a fine rule under it.
QPixmap Strip(int w, QColor top, QColor bottom) {
    QPixmap pm(w, 15);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, 15);
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.fillRect(pm.rect(), g);
    p.fillRect(0, 14, w, 1, QColor(150, 184, 228));
    return pm;
}

}  // namespace

QPixmap CellBitmap(int id) {
    switch (id) {
        case skinres::kNameBack:
            return Strip(202, QColor(250, 252, 255), QColor(220, 234, 250));
        case skinres::kDateBack:
            return Strip(84, QColor(255, 250, 236), QColor(246, 226, 180));
        case skinres::kFacePanel:
            return Panel(QColor(250, 252, 255), QColor(196, 218, 244));
        case skinres::kFaceCount:
            return Panel(Qt::white, QColor(232, 240, 250));
        case skinres::kFaceMode:
            return Panel(QColor(246, 252, 236), QColor(200, 228, 160));
        case skinres::kFacePlus:
            return Disc(Arrow(Pointing::kRight));
        case skinres::kFaceMinus:
            return Disc(Arrow(Pointing::kLeft));
        case skinres::kFaceUp:
            return Disc(Arrow(Pointing::kUp));
        case skinres::kFaceDown:
            return Disc(Arrow(Pointing::kDown));
        default:
            return QPixmap();
    }
}

}  // namespace orelle
