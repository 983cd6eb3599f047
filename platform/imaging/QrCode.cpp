#include "platform/imaging/QrCode.h"

#include <qrencode.h>

#include <QPainter>
#include <memory>

namespace orelle {

QImage QrCodeImage(const std::string& text, int moduleSize) {
    constexpr int kQuiet = 4;
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code || moduleSize <= 0) return {};
    const int side = (code->width + 2 * kQuiet) * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + kQuiet) * moduleSize, (y + kQuiet) * moduleSize,
                                 moduleSize, moduleSize, Qt::black);
        }
    }
    return image;
}

}  // namespace orelle
