#include "CellGallery.h"

#include <QPainter>
#include <QTemporaryDir>
#include <memory>

#include "GallerySaver.h"
#include "cell/PhotoCell.h"
#include "cell/PicturePrefetch.h"
#include "orderdata/PhotoRecord.h"
#include "orderdata/ProcessState.h"
#include "platform/Services.h"

namespace orelle::app {
namespace {

// A made-up landscape: sky, sun, two hills; turned for a portrait.
void WriteScene(const std::string& path, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(70, 140, 220));
    sky.setColorAt(0.6, QColor(190, 220, 245));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(QPointF(w * 0.72, h * 0.25), w * 0.07, w * 0.07);
    p.setBrush(QColor(90, 150, 70));
    p.drawEllipse(QPointF(w * 0.25, h * 1.05), w * 0.55, h * 0.45);
    p.setBrush(QColor(60, 120, 60));
    p.drawEllipse(QPointF(w * 0.85, h * 1.1), w * 0.5, h * 0.5);
    p.end();
    image.save(QString::fromStdString(path), "JPEG", 90);
}

class Window : public QWidget {
  public:
    Window() {
        resize(1024, 738);
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(73, 147, 234));
        setPalette(pal);
    }
};

// One cell on its own, paged by hand.
class OneCellHost : public CellHost {
  public:
    void ActiveWin(int i) override { active = i; }
    int ActiveCell() const override { return active; }
    std::int32_t RecordIndex(int cellIndex, bool bigView) const override {
        return bigView ? first : first + cellIndex;
    }
    void ToggleBigView(int) override { cell->SetBigView(!cell->bigView); }

    PhotoCell* cell = nullptr;
    int active = 0;
    std::int32_t first = 0;
};

}  // namespace

void Cells(Gallery& g, ProcessState& state, const Services& services) {
    QTemporaryDir photos;
    const std::string land = photos.filePath("IMG_0001.jpg").toStdString();
    const std::string tall = photos.filePath("IMG_0002.jpg").toStdString();
    WriteScene(land, 1600, 1200);
    WriteScene(tall, 1200, 1600);

    PhotoList& list = state.photoList;
    list.RemoveAll();
    struct Setting {
        const std::string* path;
        const char* name;
        std::int32_t operate, scale, number;
    };
    const Setting settings[] = {{&land, "IMG_0001.jpg", kModeCrop, 100, 2},
                                {&tall, "IMG_0002.jpg", kModeWhiteFill, 100, 1},
                                {&land, "IMG_0003.jpg", kModeZoom, 150, 1},
                                {&tall, "IMG_0004.jpg", kModeCrop, 100, 0}};
    for (const Setting& s : settings) {
        auto r = std::make_unique<PhotoRecord>();
        r->srcName = *s.path;
        r->origName = r->dstName = s.name;
        r->specIndex = 1;
        r->productID = state.startup.catalogue.GetCode(1);
        r->operate = s.operate;
        r->scale = s.scale;
        r->number = s.number;
        list.Append(std::move(r));
    }

    Window window;
    OneCellHost host;
    PicturePrefetch prefetch(services.files);
    const CellContext context = StationCellContext(host, state, services.files, prefetch);
    PhotoCell cell(context);
    host.cell = &cell;
    cell.cellRect = QRect(10, 62, 326, 295);
    cell.Create(&window);
    const char* files[] = {"cell_crop.png", "cell_fill.png", "cell_zoom.png", "cell_unordered.png"};
    for (int i = 0; i < 4; ++i) {
        host.first = i;
        cell.SetActive(i == 0);
        cell.ShowRecord(&list.At(i));
        g.Save(cell, files[i]);
    }
    host.first = 0;
    cell.ShowRecord(&list.At(0));
    cell.ToggleBigView();
    g.Save(window, "big_view.png");
    cell.ToggleBigView();
    list.RemoveAll();
}

}  // namespace orelle::app
