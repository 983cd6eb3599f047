#include "platform/imaging/PictureFile.h"

#include <QFile>
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

// A file that notices a reader asking for data past its end. The JPEG
// decoder does so only when the picture stops before its end marker; it
// then makes up the rest in grey and reports success.
class EndWatchingFile : public QFile {
  public:
    using QFile::QFile;
    bool ranDry = false;

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = QFile::readData(data, maxSize);
        if (n == 0 && maxSize > 0) ranDry = true;
        return n;
    }
};

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
    EndWatchingFile file(QString::fromStdString(path));
    // Unbuffered: every read the decoder makes reaches readData as it is.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {};
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
    if (file.ranDry) return {};
    return picture;
}

}  // namespace orelle
