// orelle-make-samples DIR: a few sample photos of different sizes and
// orientations, so that the station can be tried without a camera card.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>
#include <string>

namespace {

struct Sample {
    const char* name;
    int width;
    int height;
    QColor from;
    QColor to;
};

const Sample kSamples[] = {
    {"beach.jpg", 1600, 1200, QColor(40, 120, 220), QColor(240, 220, 160)},
    {"tower.jpg", 1200, 1600, QColor(20, 30, 80), QColor(250, 150, 60)},
    {"square.jpg", 1200, 1200, QColor(30, 140, 60), QColor(230, 240, 120)},
    {"wide.jpg", 2400, 1000, QColor(120, 40, 140), QColor(250, 200, 220)},
    {"garden.jpg", 1600, 1067, QColor(60, 160, 80), QColor(250, 250, 200)},
    {"portrait.jpg", 1067, 1600, QColor(200, 80, 60), QColor(250, 230, 200)},
    {"lake.jpg", 2000, 1500, QColor(20, 90, 160), QColor(180, 220, 240)},
    {"street.jpg", 1500, 2000, QColor(70, 70, 80), QColor(230, 200, 120)},
};

QImage Draw(const Sample& s, int index) {
    QImage img(s.width, s.height, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, s.width, s.height);
    g.setColorAt(0, s.from);
    g.setColorAt(1, s.to);
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
    f.setPixelSize(unit);
    p.setFont(f);
    p.drawText(QRect(unit, unit, s.width, 2 * unit), Qt::AlignLeft,
               QString::number(index + 1) + QStringLiteral("  ") + QString::fromLatin1(s.name));
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orelle-make-samples DIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const std::string dir = argv[1];
    int index = 0;
    for (const Sample& s : kSamples) {
        const std::string path = dir + "/" + s.name;
        if (!Draw(s, index++).save(QString::fromStdString(path), "JPEG", 90)) {
            std::fprintf(stderr, "orelle-make-samples: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
