#include "platform/imaging/Imprint.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>

namespace orelle {
namespace {

QFont ImprintFont(const std::string& face, int size) {
    QFont font(QString::fromStdString(face));
    font.setPixelSize(std::max(1, size));
    return font;
}

bool NeedsColour(QImage::Format format) {
    switch (format) {
        case QImage::Format_Mono:
        case QImage::Format_MonoLSB:
        case QImage::Format_Indexed8:
        case QImage::Format_Alpha8:
        case QImage::Format_Grayscale8:
        case QImage::Format_Grayscale16:
            return true;
        default:
            return false;
    }
}

}  // namespace

int ImprintFontSize(const std::string& face, int size) {
    return std::max(1, QFontInfo(ImprintFont(face, size)).pixelSize());
}

void DrawTextOnPicture(QImage& picture, const std::string& utf8, const std::string& face, int size,
                       int x, int y) {
    if (picture.isNull()) return;
    if (NeedsColour(picture.format())) picture.convertTo(QImage::Format_RGB32);
    const QFont font = ImprintFont(face, size);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(QColor(255, 128, 0));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QPointF(x, y + QFontMetrics(font).ascent()), QString::fromStdString(utf8));
}

}  // namespace orelle
