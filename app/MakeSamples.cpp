// orelle-make-samples DIR: a job's worth of sample photos in two camera
// folders (DIR/DCIM/100CAMERA and DIR/DCIM/101CAMERA), of different sizes and
// orientations, every other one with a recorded shot date, and names that
// repeat between the folders as a camera's do. The station can so be tried
// without a camera card.

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>
#include <fstream>
#include <string>

#include "ProgramOptions.h"
#include "platform/imaging/ShotDateWriter.h"

namespace {

constexpr int kPerFolder = 18;
const char* const kFolders[] = {"DCIM/100CAMERA", "DCIM/101CAMERA"};

struct Shape {
    int width;
    int height;
};

const Shape kShapes[] = {{1600, 1200}, {1200, 1600}, {1200, 1200}, {2400, 1000},
                         {1600, 1067}, {1067, 1600}, {2000, 1500}, {1500, 2000}};

QImage Draw(const Shape& s, int number, const QString& label) {
    QImage img(s.width, s.height, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, s.width, s.height);
    g.setColorAt(0, QColor::fromHsv((number * 47) % 360, 180, 200));
    g.setColorAt(1, QColor::fromHsv((number * 47 + 120) % 360, 60, 250));
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    const int unit = std::min(s.width, s.height) / 8;
    p.setBrush(QColor(255, 255, 255, 150));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(s.width * 3 / 4, s.height / 4), unit, unit);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRect(unit, s.height - 3 * unit, s.width / 3, 2 * unit);
    p.setPen(Qt::white);
    QFont f;
    f.setPixelSize(unit * 2 / 3);
    p.setFont(f);
    p.drawText(QRect(unit, unit, s.width, 2 * unit), Qt::AlignLeft, label);
    return img;
}

bool Write(const std::string& path, const QImage& image, const std::string& shotDate) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", 90)) return false;
    std::string jpeg = bytes.toStdString();
    if (!shotDate.empty()) jpeg = orelle::WithShotDates(std::move(jpeg), {{0, shotDate}});
    std::ofstream out(path, std::ios::binary);
    out.write(jpeg.data(), static_cast<std::streamsize>(jpeg.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    static const char* const kUsage =
        "usage: orelle-make-samples DIR\n"
        "  writes sample camera photos into DIR/DCIM/100CAMERA and 101CAMERA\n";
    if (const int code =
            orelle::app::AnswerStandardOptions(argc, argv, "orelle-make-samples", kUsage);
        code >= 0)
        return code;
    if (argc != 2 || orelle::app::LooksLikeOption(argv[1])) return orelle::app::UsageError(kUsage);
    // The photos are drawn into images: no display is needed, nor opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string dir = argv[1];
    int number = 0;
    for (const char* folder : kFolders) {
        const std::string target = dir + "/" + folder;
        QDir().mkpath(QString::fromStdString(target));
        for (int i = 1; i <= kPerFolder; ++i, ++number) {
            char name[32];
            std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
            const std::string path = target + "/" + name;
            const QString label = QString::fromLatin1(folder).section('/', 1) +
                                  QStringLiteral("  ") + QString::fromLatin1(name);
            char date[32] = "";
            if (number % 2 == 0)
                std::snprintf(date, sizeof date, "2026:%02d:%02d 10:%02d:00", 5 + number / 12,
                              1 + number % 28, number % 60);
            if (!Write(path, Draw(kShapes[number % std::size(kShapes)], number, label), date)) {
                std::fprintf(stderr, "orelle-make-samples: cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("%s\n", path.c_str());
        }
    }
    return 0;
}
