#include "support/TestJpeg.h"

#include <libexif/exif-data.h>

#include <QImage>
#include <utility>
#include <vector>

#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/ShotDateWriter.h"
#include "support/TempFolder.h"

namespace orelle::testing {
namespace {

QImage Gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool bright = x < w / 2 && y < h / 2;
            line[x] = bright ? qRgb(240, 240, 240) : qRgb(x * 200 / w, y * 200 / h, 60);
        }
    }
    return image;
}

}  // namespace

std::string JpegBytes(int w, int h, const std::string& exifDateTime) {
    std::vector<std::pair<int, std::string>> dates;
    if (!exifDateTime.empty()) dates.push_back({EXIF_IFD_0, exifDateTime});
    return WithShotDates(EncodeJpeg(Gradient(w, h), 90, {}), dates);
}

void WriteJpeg(const std::string& path, int w, int h, const std::string& exifDateTime) {
    WriteBytes(path, JpegBytes(w, h, exifDateTime));
}

void WriteTruncatedJpeg(const std::string& path, int w, int h, std::size_t keepBytes) {
    WriteBytes(path, JpegBytes(w, h).substr(0, keepBytes));
}

}  // namespace orelle::testing
