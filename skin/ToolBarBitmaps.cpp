#include "skin/ToolBarBitmaps.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "skin/SkinBitmaps.h"
#include "skin/SkinLook.h"

namespace orelle {
namespace {

constexpr int kFaceW = 70;
constexpr int kFaceH = 60;
constexpr int kTileW = 18;
const QColor kStripGrey(124, 124, 124);
const QColor kIcon(250, 251, 253);
const QColor kTileTop(136, 154, 178);
const QColor kTileBottom(74, 90, 114);
const QColor kTileEdge(52, 62, 80);

// The strip's ground: lighter at the top so the row reads as a raised bar.
void PaintGround(QPainter& p, int w) {
    QLinearGradient g(0, 0, 0, kFaceH);
    g.setColorAt(0.0, kStripGrey.lighter(130));
    g.setColorAt(0.5, kStripGrey);
    g.setColorAt(1.0, kStripGrey.darker(120));
    p.fillRect(0, 0, w, kFaceH, g);
}

QPixmap Tile() {
    QPixmap pm(kTileW, kFaceH);
    QPainter p(&pm);
    PaintGround(p, kTileW);
    // A faint groove at the tile's right edge; against the next tile's left
    // column it repeats as an even ribbing.
    p.fillRect(kTileW - 1, 4, 1, kFaceH - 8, kStripGrey.darker(112));
    p.fillRect(0, 4, 1, kFaceH - 8, kStripGrey.lighter(108));
    return pm;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath Rect(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPen Stroke(qreal width) { return QPen(kIcon, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// The icons sit in the top 36 px around (35, 20).
void Home(QPainter& p) {
    p.fillPath(Polygon({{21, 22}, {35, 8}, {49, 22}}), kIcon);
    p.fillPath(Rect(25, 21, 20, 12).subtracted(Rect(32, 25, 6, 8)), kIcon);
}

void Copy(QPainter& p) {
    p.setPen(Stroke(2));
    p.drawRect(QRectF(25, 8, 15, 19));
    p.fillPath(
        Rect(31, 13, 15, 19).subtracted(Rect(34, 18, 9, 1.5)).subtracted(Rect(34, 22, 9, 1.5)),
        kIcon);
}

void Delete(QPainter& p) {
    p.fillPath(Rect(24, 11, 22, 3), kIcon);
    p.setPen(Stroke(2));
    p.drawRect(QRectF(31, 7, 8, 4));
    QPainterPath can = Polygon({{27, 16}, {43, 16}, {41, 33}, {29, 33}});
    for (qreal x : {31.5, 34.2, 36.9}) can = can.subtracted(Rect(x, 19, 1.6, 11));
    p.fillPath(can, kIcon);
}

void AddPhoto(QPainter& p) {
    p.setPen(Stroke(2));
    p.drawRect(QRectF(21, 9, 22, 18));
    p.fillPath(Polygon({{23, 25}, {30, 16}, {35, 22}, {38, 19}, {41, 25}}), kIcon);
    p.setPen(Qt::NoPen);
    p.setBrush(kIcon);
    p.drawEllipse(QRectF(39, 20, 14, 14));
    p.setPen(QPen(kTileBottom, 2.2));
    p.drawLine(QPointF(46, 23), QPointF(46, 31));
    p.drawLine(QPointF(42, 27), QPointF(50, 27));
}

void Apply(QPainter& p) {
    p.setPen(Stroke(4.5));
    p.drawPolyline(QPolygonF({QPointF(24, 20), QPointF(32, 28), QPointF(47, 11)}));
}

void BigView(QPainter& p) {
    p.fillPath(
        Rect(22, 9, 26, 22).subtracted(Polygon({{25, 28}, {32, 18}, {37, 24}, {40, 21}, {45, 28}})),
        kIcon);
}

void SmallView(QPainter& p) {
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col)
            p.fillRect(QRectF(22 + col * 9.5, 9 + row * 12, 7, 10), kIcon);
    }
}

void Count(QPainter& p) {
    p.fillRect(QRectF(23, 22, 6, 10), kIcon);
    p.fillRect(QRectF(32, 15, 6, 17), kIcon);
    p.fillRect(QRectF(41, 8, 6, 24), kIcon);
    p.fillRect(QRectF(20, 32, 30, 2), kIcon);
}

QPainterPath Left(qreal x) { return Polygon({{x, 20}, {x + 12, 11}, {x + 12, 29}}); }
QPainterPath Right(qreal x) { return Polygon({{x + 12, 20}, {x, 11}, {x, 29}}); }

void FirstPage(QPainter& p) { p.fillPath(Rect(26, 11, 3, 18).united(Left(30)), kIcon); }
void PrevPage(QPainter& p) { p.fillPath(Left(29), kIcon); }
void NextPage(QPainter& p) { p.fillPath(Right(29), kIcon); }
void LastPage(QPainter& p) { p.fillPath(Rect(41, 11, 3, 18).united(Right(28)), kIcon); }

void Order(QPainter& p) {
    p.setPen(Stroke(2.2));
    p.drawPolyline(QPolygonF({QPointF(19, 10), QPointF(24, 10), QPointF(29, 26), QPointF(45, 26)}));
    p.fillPath(Polygon({{25, 13}, {49, 13}, {46, 23}, {28, 23}}), kIcon);
    p.setPen(Qt::NoPen);
    p.setBrush(kIcon);
    p.drawEllipse(QRectF(28, 28, 5, 5));
    p.drawEllipse(QRectF(41, 28, 5, 5));
}

// A white disc with a sign cut into it in the face's dark colour.
void Badge(QPainter& p, const QString& sign) {
    p.setPen(Qt::NoPen);
    p.setBrush(kIcon);
    p.drawEllipse(QRectF(23, 8, 24, 24));
    p.setPen(kTileBottom);
    p.setFont(GdiFont(skin::kArial, 20, 700));
    p.drawText(QRectF(23, 8, 24, 24), Qt::AlignCenter, sign);
}
void Help(QPainter& p) { Badge(p, QStringLiteral("?")); }
void Recharge(QPainter& p) { Badge(p, QString::fromUtf8("¥")); }

struct Face {
    int id;
    const char* caption;  // UTF-8
    void (*icon)(QPainter&);
};

const std::array<Face, 15> kFaces{{
    {skinres::kToolHome, "主页", Home},
    {skinres::kToolCopy, "复制", Copy},
    {skinres::kToolDelete, "删除", Delete},
    {skinres::kToolAddPhoto, "添加照片", AddPhoto},
    {skinres::kToolApply, "应用", Apply},
    {skinres::kToolBigView, "大图浏览", BigView},
    {skinres::kToolSmallView, "小图浏览", SmallView},
    {skinres::kToolCount, "统计", Count},
    {skinres::kToolFirstPage, "最前页", FirstPage},
    {skinres::kToolPrevPage, "上一页", PrevPage},
    {skinres::kToolNextPage, "下一页", NextPage},
    {skinres::kToolLastPage, "最后页", LastPage},
    {skinres::kToolOrder, "下订单", Order},
    {skinres::kToolHelp, "疑问解答", Help},
    {skinres::kToolRecharge, "充值", Recharge},
}};

// Opaque, so the button's own fill never shows through the round corners.
QPixmap DrawFace(const Face& face) {
    QPixmap pm(kFaceW, kFaceH);
    QPainter p(&pm);
    PaintGround(p, kFaceW);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2.5, 2.5, kFaceW - 6, kFaceH - 6), 7, 7);
    QLinearGradient g(0, 2, 0, kFaceH - 4);
    g.setColorAt(0.0, kTileTop);
    g.setColorAt(1.0, kTileBottom);
    p.fillPath(tile, g);
    p.setPen(kTileEdge);
    p.drawPath(tile);
    p.setPen(QColor(255, 255, 255, 70));
    p.drawLine(QPointF(9, 3.5), QPointF(kFaceW - 12, 3.5));
    p.save();
    face.icon(p);
    p.restore();
    p.setFont(GdiFont(skin::kSongTi, 13, 700));
    const QRect line(2, 37, kFaceW - 6, 16);
    p.setPen(kTileEdge);
    p.drawText(line.translated(1, 1), Qt::AlignCenter, QString::fromUtf8(face.caption));
    p.setPen(Qt::white);
    p.drawText(line, Qt::AlignCenter, QString::fromUtf8(face.caption));
    return pm;
}

}  // namespace

QPixmap ToolBarBitmap(int id) {
    if (id == skinres::kToolBarBack) return Tile();
    for (const Face& face : kFaces) {
        if (face.id == id) return DrawFace(face);
    }
    return QPixmap();
}

}  // namespace orelle
