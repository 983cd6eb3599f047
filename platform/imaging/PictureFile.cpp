#include "platform/imaging/PictureFile.h"

#include <QIODevice>
#include <QImageReader>

#include "platform/files/FileDevice.h"
#include "platform/files/FileSystem.h"

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

std::optional<QSize> ReadPixelSize(FileSystem& fs, const std::string& path) {
    FileDevice file(fs, path, FileDevice::kHead);
    return ReadPixelSize(file);
}

std::optional<QSize> ReadPixelSize(const std::string& path) {
    return ReadPixelSize(FileSystem::Default(), path);
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

QImage DecodeReduced(FileSystem& fs, const std::string& path, int level, QSize atLeast) {
    // Not a QBuffer: Qt's JPEG handler takes a QBuffer's bytes directly,
    // and would run past their end unseen.
    FileDevice file(fs, path, FileDevice::kWhole);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&file);
    const std::optional<QSize> full = HeaderSize(reader);
    if (!full || reader.format() != "jpeg") return {};
    const int d = ReducedDenominator(*full, level, atLeast);
    // Qt's JPEG handler turns a scaled size into libjpeg's scale_num/8, so
    // the decoder itself produces the small picture.
    if (d > 1) reader.setScaledSize(QSize(CeilDiv(full->width(), d), CeilDiv(full->height(), d)));
    QImage picture = reader.read();
    // A photo cut short (a card pulled out while copying) is not a photo
    // to print.
    if (file.ranDry()) return {};
    return picture;
}

QImage DecodeReduced(const std::string& path, int level, QSize atLeast) {
    return DecodeReduced(FileSystem::Default(), path, level, atLeast);
}

}  // namespace orelle
