#include "support/CameraJpeg.h"

#include <QImage>
#include <QImageWriter>
#include <QString>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/ShotDateWriter.h"

namespace orelle::bench {
namespace {

// xorshift32: fast enough for twelve million pixels a picture.
struct Noise {
    std::uint32_t state;
    int Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<int>(state & 63) - 32;
    }
};

int Clamp(int v) { return std::clamp(v, 0, 255); }

}  // namespace

void WriteCameraJpeg(const std::string& path, std::uint32_t seed, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    Noise noise{seed * 2654435761u + 1};
    const int blocks = 6;  // smooth patches, like sky, wall, clothes
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int by = y * blocks / h;
        for (int x = 0; x < w; ++x) {
            const int region = (x * blocks / w + by * 7 + static_cast<int>(seed)) % 5;
            const int base = 40 + region * 40 + (x + y) * 40 / (w + h);
            const int n = noise.Next();
            line[x] = qRgb(Clamp(base + n), Clamp(255 - base + n / 2 + noise.Next() / 2),
                           Clamp(base / 2 + 60 + noise.Next()));
        }
    }
    // Cameras embed a 160-pixel thumbnail in the EXIF block.
    const QImage thumbnail =
        image.scaled(160, 160, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Qt's writer streams to the file: no encoded copy beside the picture,
    // which would raise the peak memory the benchmarks report. The EXIF
    // block goes in once the picture is gone.
    {
        QImageWriter writer(QString::fromStdString(path), "jpeg");
        writer.setQuality(90);
        if (!writer.write(image)) throw std::runtime_error("cannot write " + path);
    }
    image = QImage();
    std::string jpeg;
    {
        std::ifstream in(path, std::ios::binary);
        jpeg.assign(std::istreambuf_iterator<char>(in), {});
    }
    jpeg = WithExif(std::move(jpeg), {}, EncodeJpeg(thumbnail, 80, {}));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(jpeg.data(), static_cast<std::streamsize>(jpeg.size())))
        throw std::runtime_error("cannot write " + path);
}

}  // namespace orelle::bench
