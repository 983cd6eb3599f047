#include "platform/imaging/PictureFile.h"

#include <QIODevice>
#include <QImageReader>
#include <QString>

namespace orelle {
namespace {

std::optional<QSize> HeaderSize(QImageReader& reader) {
    reader.setAutoTransform(false);
    if (!reader.canRead()) return std::nullopt;
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0) return std::nullopt;
    return size;
}

int MaxDenominator(int level) {
    if (level <= 0) return 1;
    return level == 1 ? 4 : 8;
}

int CeilDiv(int a, int d) { return (a + d - 1) / d; }

}  // namespace

std::optional<QSize> ReadPixelSize(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    return HeaderSize(reader);
}

std::optional<QSize> ReadPixelSize(QIODevice& device) {
    QImageReader reader(&device);
    return HeaderSize(reader);
}

int ReducedDenominator(QSize full, int level, QSize atLeast) {
    int d = MaxDenominator(level);
    if (atLeast.isEmpty()) return d;
    while (d > 1 && (CeilDiv(full.width(), d) < atLeast.width() ||
                     CeilDiv(full.height(), d) < atLeast.height())) {
        d /= 2;
    }
    return d;
}

QImage DecodeReduced(const std::string& path, int level, QSize atLeast) {
    QImageReader reader(QString::fromStdString(path));
    const std::optional<QSize> full = HeaderSize(reader);
    if (!full || reader.format() != "jpeg") return {};
    const int d = ReducedDenominator(*full, level, atLeast);
    // Qt's JPEG handler turns a scaled size into libjpeg's scale_num/8, so
    // the decoder itself produces the small picture.
    if (d > 1) reader.setScaledSize(QSize(CeilDiv(full->width(), d), CeilDiv(full->height(), d)));
    return reader.read();
}

}  // namespace orelle
