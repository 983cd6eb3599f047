#include "skin/SkinBitmaps.h"

#include "skin/CellBitmaps.h"
#include "skin/ToolBarBitmaps.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <map>

namespace orelle {
namespace {

// One palette for the whole skin: a deep blue frame with a light rim, the
// title text's yellow-green for accents.
const QColor kFrameTop(46, 86, 150);
const QColor kFrameMid(28, 58, 112);
const QColor kFrameDeep(20, 42, 84);
const QColor kRim(120, 160, 215);
const QColor kAccent(136, 194, 30);

QPixmap Blank(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

// The title strip, 25 high: a vertical gradient with a light top rim and a
// dark line under it.
void PaintTitle(QPainter& p, int w) {
    QLinearGradient g(0, 0, 0, 25);
    g.setColorAt(0.0, kFrameTop);
    g.setColorAt(1.0, kFrameMid);
    p.fillRect(0, 0, w, 25, g);
    p.fillRect(0, 0, w, 1, kRim);
    p.fillRect(0, 24, w, 1, kFrameDeep);
}

// A vertical edge: the outer rim, the body, a dark inner line.
void PaintSide(QPainter& p, int w, int h, bool left) {
    p.fillRect(0, 0, w, h, kFrameMid);
    p.fillRect(left ? 0 : w - 1, 0, 1, h, kRim);
    p.fillRect(left ? w - 1 : 0, 0, 1, h, kFrameDeep);
}

void PaintBottom(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, kFrameMid);
    p.fillRect(0, 0, w, 1, kFrameDeep);
    p.fillRect(0, h - 1, w, 1, kRim);
}

QPixmap FramePiece(int id) {
    switch (id) {
        case skinres::kFrameTitle: {
            QPixmap pm = Blank(11, 25);
            QPainter p(&pm);
            PaintTitle(p, 11);
            return pm;
        }
        case skinres::kFrameTopLeft: {
            QPixmap pm = Blank(16, 25);
            QPainter p(&pm);
            PaintTitle(p, 16);
            p.fillRect(0, 0, 1, 25, kRim);
            // The emblem: a small accent disc with a highlight.
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawEllipse(QRectF(4, 8, 9, 9));
            p.setBrush(QColor(230, 245, 200));
            p.drawEllipse(QRectF(6, 10, 3, 3));
            return pm;
        }
        case skinres::kFrameTopRight: {
            QPixmap pm = Blank(9, 25);
            QPainter p(&pm);
            PaintTitle(p, 9);
            p.fillRect(8, 0, 1, 25, kRim);
            return pm;
        }
        case skinres::kFrameLeft: {
            QPixmap pm = Blank(16, 5);
            QPainter p(&pm);
            PaintSide(p, 16, 5, true);
            return pm;
        }
        case skinres::kFrameRight: {
            QPixmap pm = Blank(10, 4);
            QPainter p(&pm);
            PaintSide(p, 10, 4, false);
            return pm;
        }
        case skinres::kFrameBottom: {
            QPixmap pm = Blank(5, 11);
            QPainter p(&pm);
            PaintBottom(p, 5, 11);
            return pm;
        }
        case skinres::kFrameBottomLeft: {
            QPixmap pm = Blank(16, 10);
            QPainter p(&pm);
            PaintBottom(p, 16, 10);
            p.fillRect(0, 0, 1, 10, kRim);
            p.fillRect(15, 0, 1, 1, kFrameDeep);
            return pm;
        }
        case skinres::kFrameBottomRight: {
            QPixmap pm = Blank(11, 11);
            QPainter p(&pm);
            PaintBottom(p, 11, 11);
            p.fillRect(10, 0, 1, 11, kRim);
            return pm;
        }
        default:
            return QPixmap();
    }
}

QPixmap ChooserCell(bool hot) {
    QPixmap pm(75, 53);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, 53);
    if (hot) {
        g.setColorAt(0.0, QColor(255, 226, 150));
        g.setColorAt(1.0, QColor(250, 176, 60));
    } else {
        g.setColorAt(0.0, QColor(250, 252, 255));
        g.setColorAt(1.0, QColor(208, 226, 246));
    }
    p.fillRect(pm.rect(), g);
    p.fillRect(0, 0, 75, 1, hot ? QColor(255, 244, 214) : Qt::white);
    return pm;
}

QPixmap ProgressBar(bool full) {
    QPixmap pm(326, 20);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, 20);
    if (full) {
        g.setColorAt(0.0, QColor(178, 226, 96));
        g.setColorAt(0.5, kAccent);
        g.setColorAt(1.0, QColor(96, 150, 16));
    } else {
        g.setColorAt(0.0, QColor(196, 200, 208));
        g.setColorAt(1.0, QColor(236, 238, 242));
    }
    p.fillRect(pm.rect(), g);
    p.setPen(full ? QColor(80, 124, 12) : QColor(150, 156, 168));
    p.drawRect(0, 0, 325, 19);
    return pm;
}

QPixmap ButtonFace() {
    QPixmap pm = Blank(70, 30);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0.0, QColor(214, 232, 252));
    g.setColorAt(0.5, QColor(160, 200, 245));
    g.setColorAt(1.0, QColor(120, 172, 236));
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, 69, 29), 6, 6);
    p.fillPath(path, g);
    p.setPen(QColor(64, 120, 196));
    p.drawPath(path);
    return pm;
}

QPixmap Draw(int id) {
    switch (id) {
        case skinres::kChooserCell:
            return ChooserCell(false);
        case skinres::kChooserCellHot:
            return ChooserCell(true);
        case skinres::kProgressEmpty:
            return ProgressBar(false);
        case skinres::kProgressFull:
            return ProgressBar(true);
        case skinres::kButtonFace:
            return ButtonFace();
        default:
            // Toolbar ids fall inside the cell's range, so they go first.
            if (QPixmap tool = ToolBarBitmap(id); !tool.isNull()) return tool;
            return id >= skinres::kDateBack && id <= skinres::kFaceUp ? CellBitmap(id)
                                                                      : FramePiece(id);
    }
}

}  // namespace

QPixmap SkinBitmap(int resourceId) {
    static std::map<int, QPixmap> cache;
    auto it = cache.find(resourceId);
    if (it == cache.end()) it = cache.emplace(resourceId, Draw(resourceId)).first;
    return it->second;
}

}  // namespace orelle
