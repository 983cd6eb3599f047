#include "skin/CursorFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "platform/paths/Paths.h"

namespace orelle {
namespace {

void Put16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, quint32 v) {
    Put16(out, static_cast<int>(v & 0xFFFF));
    Put16(out, static_cast<int>(v >> 16));
}

int Get16(const QByteArray& in, int at) {
    return static_cast<unsigned char>(in[at]) | (static_cast<unsigned char>(in[at + 1]) << 8);
}

}  // namespace

QByteArray EncodeCursorFile(const QImage& source, QPoint hotSpot) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 dataSize = 40 + static_cast<quint32>(w * h * 4 + maskStride * h);
    QByteArray out;
    Put16(out, 0);
    Put16(out, 2);
    Put16(out, 1);
    out.append(static_cast<char>(w & 0xFF));  // 256 is written as 0
    out.append(static_cast<char>(h & 0xFF));
    out.append('\0');
    out.append('\0');
    Put16(out, hotSpot.x());
    Put16(out, hotSpot.y());
    Put32(out, dataSize);
    Put32(out, 22);
    Put32(out, 40);
    Put32(out, static_cast<quint32>(w));
    Put32(out, static_cast<quint32>(2 * h));
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) Put32(out, row[x]);  // ARGB32 is BGRA in memory order
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(mask);
    }
    return out;
}

std::optional<QCursor> LoadCursorFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.size() < 22 || Get16(bytes, 0) != 0 || Get16(bytes, 2) != 2 || Get16(bytes, 4) < 1) {
        return std::nullopt;
    }
    QPoint hotSpot(Get16(bytes, 10), Get16(bytes, 12));
    // Qt reads the image of a cursor file with its icon reader.
    bytes[2] = 1;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ico");
    QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    if (!image.rect().contains(hotSpot)) hotSpot = QPoint(0, 0);
    return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}

std::optional<QCursor> HandCursor() {
    return LoadCursorFile(
        paths::Join(paths::Join(paths::ProgramFolder(), "Cursor"), "Icr_hand.cur"));
}

}  // namespace orelle
