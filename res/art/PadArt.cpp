#include "PadArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "cell/ValuePadLogic.h"
#include "skin/SkinLook.h"

namespace orelle::art {
namespace {

constexpr int kW = ValuePadLogic::kKeyWidth;
constexpr int kH = ValuePadLogic::kKeyHeight;

void PaintKey(QPainter& p, const QRect& cell, const QString& caption, int fontHeight, bool lit) {
    const QRectF face = QRectF(cell).adjusted(3, 3, -3, -3);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    if (lit) {
        g.setColorAt(0.0, QColor(255, 226, 150));
        g.setColorAt(1.0, QColor(246, 160, 40));
    } else {
        g.setColorAt(0.0, QColor(250, 252, 255));
        g.setColorAt(1.0, QColor(200, 220, 244));
    }
    QPainterPath path;
    path.addRoundedRect(face, 7, 7);
    p.fillPath(path, g);
    p.setPen(QPen(lit ? QColor(196, 112, 10) : QColor(110, 150, 205), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(lit ? QColor(90, 40, 0) : QColor(24, 48, 96));
    p.setFont(GdiFont(skin::kSongTi, fontHeight, 700));
    p.drawText(cell, Qt::AlignCenter, caption);
}

void PaintHeader(QPainter& p, const QString& label) {
    QLinearGradient g(0, 0, 0, ValuePadLogic::kHeaderHeight);
    g.setColorAt(0.0, QColor(46, 86, 150));
    g.setColorAt(1.0, QColor(28, 58, 112));
    p.fillRect(0, 0, ValuePadLogic::kWidth, ValuePadLogic::kHeaderHeight, g);
    p.setPen(Qt::white);
    p.setFont(GdiFont(skin::kSongTi, 14, 700));
    p.drawText(QRect(4, 0, 64, ValuePadLogic::kHeaderHeight), Qt::AlignCenter, label);
    // The value box, where the pad writes its value.
    p.setPen(QColor(110, 150, 205));
    p.setBrush(Qt::white);
    p.drawRect(69, 9, ValuePadLogic::kWidth - 40 - 70 + 1, 18);
}

struct Key {
    const char* caption;
    int fontHeight;
};

QImage Keypad(int kind, bool lit) {
    ValuePadLogic logic(kind, "0");
    QImage image(logic.Width(), logic.Height(), QImage::Format_RGB32);
    image.fill(QColor(232, 240, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintHeader(p, QString::fromUtf8(kind == kZoomPad ? "缩放%" : "数量"));
    static const Key kKeys[] = {{"1", 24}, {"2", 24},    {"3", 24},  {"4", 24},    {"5", 24},
                                {"6", 24}, {"7", 24},    {"8", 24},  {"9", 24},    {"清除", 18},
                                {"0", 24}, {"确定", 18}, {"-5", 22}, {"转框", 18}, {"+5", 22}};
    const int keys = kind == kZoomPad ? 15 : 12;
    for (int k = 0; k < keys; ++k) {
        const int row = k / 3 + 1, column = k % 3;
        const QRect cell(kW * column, ValuePadLogic::kHeaderHeight + kH * (row - 1), kW, kH);
        PaintKey(p, cell, QString::fromUtf8(kKeys[k].caption), kKeys[k].fontHeight, lit);
    }
    return image;
}

QImage Strip(bool lit) {
    QImage image(ValuePadLogic::kWidth, kH, QImage::Format_RGB32);
    image.fill(QColor(232, 240, 250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Columns 0, 1, 2 add 270, 180 and 90 degrees to the photo's angle.
    const char* const captions[] = {"左转90°", "转180°", "右转90°"};
    for (int c = 0; c < 3; ++c) {
        PaintKey(p, QRect(kW * c, 0, kW, kH), QString::fromUtf8(captions[c]), 15, lit);
    }
    return image;
}

}  // namespace

QImage PadPicture(int kind, bool highlighted) {
    return kind == kRotationStrip ? Strip(highlighted) : Keypad(kind, highlighted);
}

}  // namespace orelle::art
