#include "platform/imaging/QrCode.h"

#include <qrencode.h>

#include <QBuffer>
#include <QPainter>
#include <memory>

namespace orelle {

ModuleGrid QrModules(const std::string& text) {
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M), &QRcode_free);
    ModuleGrid grid;
    if (!code) return grid;
    grid.columns = grid.rows = code->width;
    grid.dark.resize(static_cast<std::size_t>(code->width) * code->width);
    for (std::size_t i = 0; i < grid.dark.size(); ++i) grid.dark[i] = code->data[i] & 1;
    return grid;
}

QImage QrCodeImage(const std::string& text, int moduleSize) {
    const ModuleGrid grid = QrModules(text);
    if (grid.Empty() || moduleSize <= 0) return {};
    const int side = (grid.columns + 2 * kQrQuietModules) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < grid.rows; ++y) {
        for (int x = 0; x < grid.columns; ++x) {
            if (grid.Dark(x, y))
                painter.fillRect((x + kQrQuietModules) * moduleSize,
                                 (y + kQrQuietModules) * moduleSize, moduleSize, moduleSize,
                                 Qt::black);
        }
    }
    return image;
}

std::string QrCodePng(const std::string& text) {
    const QImage image = QrCodeImage(text, 8);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes.toStdString();
}

}  // namespace orelle
