#include "cell/PhotoCell.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "cell/CaptionLabel.h"
#include "cell/CellHost.h"
#include "cell/CellTexts.h"
#include "cell/FaceFinder.h"
#include "cell/PicturePrefetch.h"
#include "orderdata/FaceCrop.h"
#include "orderdata/FaceStore.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/JpegWriter.h"
#include "skin/BitmapButton.h"
#include "support/FacePhotos.h"
#include "support/GatedFiles.h"
#include "support/ModalAnswer.h"
#include "support/PhonePhotos.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"
#include "support/TestStation.h"
#include "support/WatchedFiles.h"

namespace orelle {
namespace {

using testing::TempFolder;

// Cells outside a photo window: the page starts at `first`, and the big
// view is the cell's own layout only.
class FakeHost : public CellHost {
  public:
    void ActiveWin(int i) override {
        activated.push_back(i);
        active = i;
    }
    int ActiveCell() const override { return active; }
    std::int32_t RecordIndex(int cellIndex, bool bigView) const override {
        return bigView ? bigIndex : first + cellIndex;
    }
    void ToggleBigView(int i) override {
        cells.at(static_cast<std::size_t>(i))
            ->SetBigView(!cells[static_cast<std::size_t>(i)]->bigView);
    }

    std::vector<PhotoCell*> cells = std::vector<PhotoCell*>(6);
    std::vector<int> activated;
    int active = 0;
    std::int32_t first = 0;
    std::int32_t bigIndex = 0;
};

class MainWindow : public QWidget {
  public:
    MainWindow() { resize(1024, 738); }
    std::vector<int> keys;

  protected:
    void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
};

// Cell rectangles of the main window's grid.
const QRect kCell0(10, 62, 326, 295);
const QRect kCell1(347, 62, 326, 295);

class PhotoCellTest : public ::testing::Test {
  protected:
    PhotoCellTest() { main.show(); }

    PhotoCell& MakeCell(int index, QRect rect, const CellContext* over = nullptr) {
        auto cell = std::make_unique<PhotoCell>(over ? *over : context);
        cell->cellIndex = index;
        cell->cellRect = rect;
        EXPECT_TRUE(cell->Create(&main));
        host.cells[static_cast<std::size_t>(index)] = cell.get();
        cells.push_back(std::move(cell));
        return *cells.back();
    }

    // A record of a photo of w x h (or of the file at path) in 6-inch prints.
    PhotoRecord& AddPhoto(const std::string& name, int w, int h, int number = 1,
                          const std::string& date = {}) {
        const std::string path = dir / name;
        testing::WriteJpeg(path, w, h, date);
        return AddRecord(path, name, number);
    }
    PhotoRecord& AddRecord(const std::string& path, const std::string& name, int number) {
        auto r = std::make_unique<PhotoRecord>();
        r->srcName = path;
        r->dstName = name;
        r->origName = name;
        r->specIndex = 1;  // 6寸, 4 x 6 inches
        r->productID = state.startup.catalogue.GetCode(1);
        r->number = number;
        PhotoRecord& ref = *r;
        state.photoList.Append(std::move(r));
        return ref;
    }

    // The first cell, reading its photos through files and ahead.
    PhotoCell& CellOver(FileSystem& files, PicturePrefetch& ahead) {
        const CellContext over = StationCellContext(host, state, files, ahead);
        return MakeCell(0, kCell0, &over);
    }
    // The first cell, showing r.
    PhotoCell& ShowInCell(PhotoRecord& r) {
        PhotoCell& cell = MakeCell(0, kCell0);
        cell.ShowRecord(&r);
        return cell;
    }

    static void Click(PhotoCell& cell, int id) {
        QTest::mouseClick(cell.Button(id), Qt::LeftButton, {}, QPoint(10, 10));
    }
    static const std::string& Caption(PhotoCell& cell, int id) { return cell.Button(id)->caption1; }
    // A pixel of the cell's 5-pixel frame on its left edge.
    static QColor FramePixel(PhotoCell& cell) { return cell.grab().toImage().pixelColor(2, 150); }
    static QWidget* PhotoLayer(PhotoCell& cell) {
        return const_cast<SurfaceLayer*>(cell.surface.Layer(ImageSurface::kPhotoLayer));
    }
    static const QWidget* FrameLayer(PhotoCell& cell) {
        return cell.surface.Layer(ImageSurface::kFrameLayer);
    }
    static const QImage& Picture(PhotoCell& cell) {
        return cell.surface.Layer(ImageSurface::kPhotoLayer)->Picture();
    }

    TempFolder dir;
    testing::TestStation station{dir};
    ProcessState& state = station.state;
    FakeHost host;
    PicturePrefetch prefetch{station.services.files};
    CellContext context = StationCellContext(host, state, station.services.files, prefetch);
    MainWindow main;
    std::vector<std::unique_ptr<PhotoCell>> cells;
};

TEST_F(PhotoCellTest, ShowsTheRecordAndStoresWhereTheDraggedFrameLies) {
    PhotoRecord& r = AddPhoto("IMG_1.jpg", 1600, 1200, 2);
    PhotoCell& cell = ShowInCell(r);
    ASSERT_TRUE(cell.surface.HasImage());
    EXPECT_EQ(cell.nameText, "IMG_1-2.jpg");
    EXPECT_EQ(cell.nameLabel->Text(), "IMG_1.jpg(1600x1200)");
    EXPECT_EQ(Caption(cell, cellid::kPrintSize), "冲印规格6寸");
    EXPECT_EQ(Caption(cell, cellid::kQuantity), "2");
    EXPECT_EQ(r.bBrowsed, 1);
    // The small view shows only the row buttons.
    EXPECT_TRUE(cell.Button(cellid::kPlus)->isVisible());
    EXPECT_FALSE(cell.Button(cellid::kZoom)->isVisible());

    QWidget* photo = PhotoLayer(cell);
    QTest::mousePress(photo, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(photo, QPoint(100, 90));
    QTest::mouseRelease(photo, Qt::LeftButton, {}, QPoint(100, 90));
    EXPECT_EQ(FrameLayer(cell)->geometry().top(), 2);
    EXPECT_NE(r.offsetSZY, 0);
    EXPECT_EQ(r.offsetSZY, cell.surface.framing.offsetY);
}

// Regression: a new cell showed "冲印规格4.5*6 / 裁 切" (no such size in the
// catalogue), and a cleared one kept the size, count and framing of the
// photo it showed before, beside a red frame.
TEST_F(PhotoCellTest, EmptyAndUnreadableCellsShowNothingAndOrderNothing) {
    PhotoCell& cell = MakeCell(0, kCell0);
    const auto captions = [&cell] {
        std::vector<std::string> texts;
        for (int id : {cellid::kPrintSize, cellid::kQuantity, cellid::kCropFill, cellid::kZoom,
                       cellid::kRotation, cellid::kDate})
            texts.push_back(Caption(cell, id));
        return texts;
    };
    const std::vector<std::string> none(6);
    EXPECT_EQ(captions(), none);
    EXPECT_NE(FramePixel(cell), QColor(255, 0, 0));
    cell.ShowRecord(&AddPhoto("a.jpg", 64, 48, 0));  // shown in red, not ordered
    cell.ClearCell();
    EXPECT_EQ(captions(), none);
    EXPECT_NE(FramePixel(cell), QColor(255, 0, 0));

    // Cut in the middle of the picture data: the header still reads.
    testing::WriteTruncatedJpeg(dir / "cut.jpg", 800, 600, testing::JpegBytes(800, 600).size() / 2);
    testing::WriteBytes(dir / "text.jpg", "this is not a photo");
    for (const char* name : {"cut.jpg", "text.jpg", "missing.jpg"}) {
        PhotoRecord& r = AddRecord(dir / name, name, 3);
        r.rcDst.width = 500;
        cell.ShowRecord(&r);
        EXPECT_FALSE(cell.surface.HasImage()) << name;
        EXPECT_EQ(r.number, 0) << name;
        EXPECT_EQ(r.rcDst.width, 0) << name;
        EXPECT_EQ(cell.nameLabel->Text(), name);
        EXPECT_EQ(cell.nameText, name);
        // Said in words, not only by a grey cell with a red frame.
        EXPECT_TRUE(cell.unreadableLabel->isVisible()) << name;
        EXPECT_EQ(FramePixel(cell), QColor(255, 0, 0)) << name;
        // Commands that need a photo do nothing.
        Click(cell, cellid::kPlus);
        EXPECT_EQ(r.number, 0);
    }
    PhotoRecord& empty = AddRecord("", "none.jpg", 1);
    cell.ShowRecord(&empty);
    EXPECT_FALSE(cell.surface.HasImage());
    cell.ShowRecord(&AddPhoto("fine.jpg", 64, 48));
    EXPECT_FALSE(cell.unreadableLabel->isVisible());
}

// Regression: long names were cut at both ends and ran under the date
// button; in the big view the label reached past the window.
TEST_F(PhotoCellTest, LongNamesKeepTheirStartExtensionAndPixelSize) {
    PhotoCell& cell =
        ShowInCell(AddPhoto("DSC_20261208_a_very_long_holiday_name_from_a_phone.jpg", 64, 48));
    const auto fitsItsLabel = [&cell] {
        const QFontMetrics metrics(cell.nameLabel->font());
        return metrics.horizontalAdvance(QString::fromStdString(cell.nameLabel->Text())) <=
               cell.nameLabel->width();
    };
    EXPECT_TRUE(fitsItsLabel());
    EXPECT_LT(cell.nameLabel->geometry().right(), cell.dateButton->geometry().left());
    cell.ToggleBigView();
    cell.ShowRecord(cell.surface.record);
    EXPECT_TRUE(fitsItsLabel());
    EXPECT_LE(cell.mapTo(&main, cell.nameLabel->geometry().topRight()).x(), 1023);
}

// Regression: a tap on a button while a popup was open only closed the
// popup; on a touch screen the customer had to tap twice.
TEST_F(PhotoCellTest, ATapOutsideAPopupClosesItAndPressesTheButtonTapped) {
    PhotoRecord& r = AddPhoto("a.jpg", 640, 480, 3);
    PhotoCell& cell = ShowInCell(r);
    for (int opener : {cellid::kQuantity, cellid::kPrintSize}) {
        const int before = r.number;
        Click(cell, opener);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr) << opener;
        const QPoint plus = cell.Button(cellid::kPlus)->mapToGlobal(QPoint(10, 10));
        QTest::mousePress(popup, Qt::LeftButton, {}, popup->mapFromGlobal(plus));
        QTest::mouseRelease(popup, Qt::LeftButton, {}, popup->mapFromGlobal(plus));
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << opener;
        EXPECT_EQ(r.number, before + 1) << opener;
    }
}

// The cell's wiring, one step after another on one photo: the order type,
// what the customer does, and then the record (prints, framing mode, zoom,
// frame turned, angle, date), its surface (zoom, frame turned, width), the
// frame in red and the frame layer hidden, and the caption of the button.
TEST_F(PhotoCellTest, CommandsChangeWhatTheOrderTypeAllows) {
    PhotoRecord& r = AddPhoto("a.jpg", 1600, 1200, 3, "2024:05:01 12:30:00");
    PhotoCell& cell = ShowInCell(r);
    EXPECT_EQ(FramePixel(cell), QColor(201, 223, 245));
    const auto shown = [&] {
        const FrameGeometry& f = cell.surface.framing;
        std::string s;
        for (int v : {r.number, r.operate, r.scale, r.frameTurned, r.angle, r.adddatetime})
            s += std::to_string(v) + " ";
        s += "| " + std::to_string(f.scale) + " " + std::to_string(int(f.frameTurned)) + " " +
             std::to_string(cell.surface.ImageWidth());
        if (FramePixel(cell) == QColor(255, 0, 0)) s += " red";
        if (!FrameLayer(cell)->isVisible()) s += " hidden";
        return s;
    };
    using Act = std::function<void()>;
    const auto click = [&](int id) -> Act { return [&cell, id] { Click(cell, id); }; };
    const auto command = [&](int id) -> Act { return [&cell, id] { cell.OnCommand(id); }; };
    const Act rightClick = [&] {
        QTest::mouseClick(PhotoLayer(cell), Qt::RightButton, {}, QPoint(50, 50));
    };
    const Act showAgain = [&] { cell.ShowRecord(&r); };
    const struct {
        std::int32_t orderType;
        Act act;
        const char* after;
        int button;
        const char* caption;
    } steps[] = {
        {0, rightClick, "0 0 100 0 0 0 | 100 0 1600 red", cellid::kQuantity, "0"},
        {0, click(cellid::kMinus), "0 0 100 0 0 0 | 100 0 1600 red", 0, nullptr},
        {0, rightClick, "1 0 100 0 0 0 | 100 0 1600", 0, nullptr},
        {0, click(cellid::kPlus), "2 0 100 0 0 0 | 100 0 1600", cellid::kQuantity, "2"},
        {0, command(40001 + 25), "25 0 100 0 0 0 | 100 0 1600", 0, nullptr},
        {2, click(cellid::kPlus), "25 0 100 0 0 0 | 100 0 1600", 0, nullptr},
        {2, click(cellid::kMinus), "25 0 100 0 0 0 | 100 0 1600", 0, nullptr},
        {2, click(cellid::kDate), "25 0 100 0 0 1 | 100 0 1600", 0, nullptr},
        {1, showAgain, "25 0 100 0 0 1 | 100 0 1600 hidden", 0, nullptr},
        {1, click(cellid::kPlus), "26 0 100 0 0 1 | 100 0 1600 hidden", 0, nullptr},
        {1, click(cellid::kCropFill), "26 0 100 0 0 1 | 100 0 1600 hidden", 0, nullptr},
        {0, showAgain, "26 0 100 0 0 1 | 100 0 1600", 0, nullptr},
        {0, click(cellid::kCropFill), "26 1 100 0 0 1 | 100 0 1600", cellid::kCropFill, "裁切"},
        {0, click(cellid::kCropFill), "26 0 100 0 0 1 | 100 0 1600", 0, nullptr},
        {0, command(30002), "26 0 100 0 0 1 | 100 0 1600", 0, nullptr},  // zoom 0: nothing
        {0, command(30002 + 200), "26 3 200 0 0 1 | 200 0 1600", cellid::kZoom, "缩放比例200"},
        {0, command(30002), "26 3 200 1 0 1 | 200 1 1600", 0, nullptr},  // the frame-turn key
        {0, command(50001 + 90), "26 3 200 1 90 1 | 200 1 1200", cellid::kRotation, "旋转度数90"},
    };
    for (const auto& step : steps) {
        state.session.nOrderType = step.orderType;
        step.act();
        EXPECT_EQ(shown(), step.after) << step.after;
        if (step.caption) {
            EXPECT_EQ(Caption(cell, step.button), step.caption) << step.after;
        }
    }
    r.offsetSZX = 7;
    cell.OnCommand(50001 + 450);  // the same angle: nothing changes
    EXPECT_EQ(r.offsetSZX, 7);
    cell.SetActive(true);
    EXPECT_EQ(FramePixel(cell), QColor(236, 162, 13));
}

// The shipped threshold is 150 dpi; 900 x 600 gives a 4 x 6 print just that.
TEST_F(PhotoCellTest, TheLowResolutionMarkFollowsZoomAndSize) {
    PhotoRecord& r = AddPhoto("small.jpg", 900, 600);
    PhotoCell& cell = ShowInCell(r);
    EXPECT_EQ(r.pixelWidth, 900);
    const QLabel* mark = cell.surface.ResolutionMark();
    EXPECT_FALSE(mark->isVisible());
    cell.OnCommand(30002 + 120);  // 125 dpi
    EXPECT_TRUE(mark->isVisible());
    EXPECT_TRUE(cell.surface.rect().contains(mark->geometry()));
    cell.OnCommand(30002 + 100);
    EXPECT_FALSE(mark->isVisible());
    cell.OnCommand(10000 + 3);  // 7寸: 128 dpi
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(r.specIndex, 3);
    EXPECT_EQ(Caption(cell, cellid::kPrintSize), "冲印规格" + state.startup.catalogue.GetName(3));
    cell.OnCommand(10000 + state.startup.catalogue.GetCount());  // an empty cell of the chooser
    EXPECT_EQ(r.specIndex, 3);
    cell.ClearCell();
    EXPECT_FALSE(mark->isVisible());
}

TEST_F(PhotoCellTest, TheBigViewLaysTheCellOutAndDoubleClickOpensItInTheWebEditionOnly) {
    PhotoCell& cell = ShowInCell(AddPhoto("p.jpg", 64, 48, 1));
    cell.ToggleBigView();
    EXPECT_EQ(cell.geometry(), QRect(0, 62, 1024, 590));
    EXPECT_TRUE(cell.Button(cellid::kZoom)->isVisible());
    EXPECT_FALSE(cell.Button(cellid::kFreeCrop)->isVisible());
    EXPECT_TRUE(cell.surface.HasImage());
    cell.ToggleBigView();
    EXPECT_EQ(cell.geometry(), kCell0);
    EXPECT_FALSE(cell.Button(cellid::kZoom)->isVisible());

    state.flags.verison_function = kEditionDatabase;
    QTest::mouseDClick(PhotoLayer(cell), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(cell.bigView);
    state.flags.verison_function = kEditionWeb;
    QTest::mouseDClick(PhotoLayer(cell), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_TRUE(cell.bigView);
    QTest::mouseDClick(PhotoLayer(cell), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(cell.bigView);
}

TEST_F(PhotoCellTest, KeysGoToTheMainWindowAndClicksActivate) {
    PhotoCell& cell = MakeCell(1, kCell1);
    AddPhoto("a.jpg", 64, 48, 1);
    PhotoRecord& r = AddPhoto("b.jpg", 64, 48, 1);
    cell.ShowRecord(&r);
    QTest::keyClick(cell.Button(cellid::kPlus), Qt::Key_PageDown);
    EXPECT_TRUE(main.keys.empty()) << "posted, not sent";
    QCoreApplication::processEvents();
    EXPECT_EQ(main.keys, std::vector<int>{Qt::Key_PageDown});
    Click(cell, cellid::kPlus);
    EXPECT_EQ(host.activated, std::vector<int>{1});
    EXPECT_EQ(r.number, 2);
}

// A phone portrait stored landscape (orientation 6), as the load copies
// it: the cell and the big view show it upright, and its size is the
// upright one.
TEST_F(PhotoCellTest, ATurnedPhoneShotShowsUprightInTheCellAndTheBigView) {
    testing::WriteBytes(dir / "stored.jpg", testing::CornerJpeg(1280, 960, {{0, 274, {}, 6}}));
    PhotoCell& cell = ShowInCell(AddRecord(dir / "stored.jpg", "stored.jpg", 1));
    EXPECT_EQ(cell.nameLabel->Text(), "stored.jpg(960x1280)");
    const std::array<int, 4> upright{2, 0, 3, 1};  // stored bottom left now on top left ...
    EXPECT_EQ(testing::CornerIndexes(Picture(cell)), upright);
    cell.SetBigView(true);
    EXPECT_EQ(testing::CornerIndexes(Picture(cell)), upright);
}

TEST_F(PhotoCellTest, DateImprintStampsAndComesOff) {
    PhotoRecord& r = AddPhoto("d.jpg", 800, 600, 1, "2024:05:01 12:30:00");
    PhotoCell& cell = ShowInCell(r);
    const QImage plain = Picture(cell);
    Click(cell, cellid::kDate);
    EXPECT_EQ(r.adddatetime, 1);
    EXPECT_EQ(Caption(cell, cellid::kDate), "取消日期");
    EXPECT_NE(Picture(cell), plain);
    Click(cell, cellid::kDate);
    EXPECT_EQ(r.adddatetime, 0);
    EXPECT_EQ(Picture(cell), plain);

    // Without a recorded date nothing is stamped, and the button says why
    // instead of marking the photo.
    PhotoRecord& undated = AddPhoto("u.jpg", 800, 600, 1);
    host.first = 1;
    cell.ShowRecord(&undated);
    {
        testing::ModalRecorder modal;
        Click(cell, cellid::kDate);
        EXPECT_EQ(modal.shown, std::vector<std::string>{std::string("提示: ") + kNoShotDateNotice});
    }
    EXPECT_EQ(undated.adddatetime, 0);
    EXPECT_EQ(Caption(cell, cellid::kDate), "加印日期");
}

// The active photo's big-view picture is decoded while the page is looked
// at: entering the big view, and leaving it, reads no photo.
TEST_F(PhotoCellTest, TheActivePhotosBigViewIsReadAhead) {
    testing::WatchedFiles<LocalFileSystem> files;
    PicturePrefetch ahead(files);
    PhotoCell& cell = CellOver(files, ahead);
    PhotoRecord& r = AddPhoto("big.jpg", 2400, 1800, 1);
    cell.SetActive(true);
    cell.ShowRecord(&r);
    ahead.WaitIdle();
    const int reads = files.photoReads;
    cell.ToggleBigView();
    ASSERT_TRUE(cell.bigView);
    EXPECT_EQ(files.photoReads, reads) << "decoded on the way into the big view";
    EXPECT_EQ(Picture(cell).size(), QSize(1200, 900));
    cell.ToggleBigView();
    EXPECT_EQ(files.photoReads, reads) << "decoded on the way back";
    cells.pop_back();  // before its prefetch
}

using GatedFiles = testing::GatedFiles<LocalFileSystem>;

// A camera photo whose thumbnail is another picture (all magenta) than
// its own (four coloured corners): the thumbnail shows first, then the
// picture in its place, and never the thumbnail again, whatever the cell
// does meanwhile. A picture that turns out unreadable after its thumbnail
// showed ("cut") gives way to the notice and orders no prints of it.
TEST_F(PhotoCellTest, TheEmbeddedThumbnailShowsFirstAndGivesWayToThePictureOrTheNotice) {
    QImage magenta(160, 120, QImage::Format_RGB32);
    magenta.fill(QColor(255, 0, 255));
    const std::string thumbnail = EncodeJpeg(magenta, 90, {});
    for (const std::string step : {"replaced", "zoomed", "enlarged", "cut"}) {
        SCOPED_TRACE(step);
        GatedFiles files;
        PicturePrefetch gated(files);
        PhotoCell& cell = CellOver(files, gated);
        const std::string path = dir / (step + ".jpg");
        const std::string bytes = WithExif(testing::CornerJpeg(1280, 960, {}), {}, thumbnail);
        testing::WriteBytes(path, step == "cut" ? bytes.substr(0, bytes.size() / 2) : bytes);
        PhotoRecord& r = AddRecord(path, "t.jpg", 2);
        const SurfaceLayer* layer = cell.surface.Layer(ImageSurface::kPhotoLayer);
        const auto showsThumbnail = [&] {
            const QImage& p = layer->Picture();
            const QColor c = p.isNull() ? QColor() : p.pixelColor(p.width() / 2, p.height() / 2);
            return c.red() > 200 && c.green() < 60 && c.blue() > 200;
        };
        std::vector<bool> shown;  // thumbnail or picture, at every paint of the photo
        struct PaintWatch : QObject {
            std::function<void()> onPaint;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) onPaint();
                return false;
            }
        } watch;
        watch.onPaint = [&] { shown.push_back(showsThumbnail()); };
        const_cast<SurfaceLayer*>(layer)->installEventFilter(&watch);

        cell.ShowRecord(&r);
        EXPECT_TRUE(cell.surface.ShowsPreview());
        EXPECT_TRUE(showsThumbnail());
        EXPECT_EQ(cell.nameLabel->Text(), "t.jpg(1280x960)");
        cell.repaint();
        files.Open();
        if (step == "zoomed") Click(cell, cellid::kCropFill);
        if (step == "enlarged") cell.ToggleBigView();
        gated.WaitIdle();
        if (step == "cut") {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !cell.surface.HasImage(); }, 5000));
            EXPECT_TRUE(cell.unreadableLabel->isVisibleTo(&cell));
            EXPECT_EQ(r.number, 0);
            EXPECT_EQ(cell.nameLabel->Text(), "t.jpg");
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !cell.surface.ShowsPreview(); }, 5000));
            QTest::qWait(20);
            cell.repaint();
            EXPECT_FALSE(cell.surface.ShowsPreview());
            EXPECT_EQ(testing::CornerIndexes(layer->Picture()), (std::array<int, 4>{0, 1, 2, 3}));
            const auto firstPicture = std::find(shown.begin(), shown.end(), false);
            ASSERT_NE(firstPicture, shown.end());
            EXPECT_EQ(std::find(firstPicture, shown.end(), true), shown.end())
                << "the thumbnail came back over the picture";
        }
        const_cast<SurfaceLayer*>(layer)->removeEventFilter(&watch);
        cells.pop_back();  // before its prefetch
    }
}

// Cells that look for faces with the station's detector.
class FaceCellTest : public PhotoCellTest {
  protected:
    FaceCellTest() {
        context.faceFinder = &finder;
        context.faces = 1;
    }
    // A 4 x 6 print of a 1600 x 1200 photo with faces there, in a cell
    // once the faces are found.
    PhotoCell& ShowFaces(const std::string& name, const std::vector<QPoint>& faces) {
        const std::string path = dir / name;
        testing::WriteFacePhoto(path, testing::MakeFacePhoto(1600, 1200, faces));
        PhotoCell& cell = MakeCell(static_cast<int>(cells.size()), kCell0);
        cell.ShowRecord(&AddRecord(path, name, 1));
        Settle();
        return cell;
    }
    void Settle() {
        finder.WaitIdle();
        QApplication::processEvents();
    }
    static bool Marked(PhotoCell& cell) { return cell.surface.FaceMark()->isVisibleTo(&cell); }
    static void Tap(PhotoCell& cell) {
        QTest::mouseClick(const_cast<QLabel*>(cell.surface.FaceMark()), Qt::LeftButton);
    }

    FaceFinder finder{state.faces, [] { return MakeCascadeFaceDetector(); }};
};

TEST_F(FaceCellTest, TheMarkShowsWhileTheFrameCutsAFaceAndATapKeepsIt) {
    // The centred frame of a landscape 4 x 6 starts 67 rows down: the face
    // 40 rows down is cut.
    PhotoCell& cell = ShowFaces("top.jpg", {{700, 40}});
    PhotoRecord& r = state.photoList.At(0);
    EXPECT_EQ(r.rcDst.top, 67);
    EXPECT_TRUE(Marked(cell));
    EXPECT_EQ(cell.surface.FaceMark()->text().toStdString(), ImageSurface::kFaceCutText);
    Tap(cell);
    EXPECT_FALSE(Marked(cell));
    EXPECT_FALSE(CutsFace(r, *state.faces.Find(r.srcName), 1600, 1200));
    EXPECT_LT(r.rcDst.top, 10);
    EXPECT_EQ(r.rcDst.width, 1600);
    EXPECT_NE(r.offsetSZY, 0);
    // The mark follows the frame: dragged down, the face is cut again.
    QWidget* photo = PhotoLayer(cell);
    QTest::mousePress(photo, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(photo, QPoint(100, 130));
    QTest::mouseRelease(photo, Qt::LeftButton, {}, QPoint(100, 130));
    EXPECT_TRUE(Marked(cell));
    // Zoomed in, then kept: back in the crop mode at 100 %.
    cell.OnCommand(30001 + 150);
    EXPECT_TRUE(Marked(cell));
    Tap(cell);
    EXPECT_FALSE(Marked(cell));
    EXPECT_EQ(r.operate, kModeCrop);
    EXPECT_EQ(r.scale, 100);
    // White borders print the whole photo.
    cell.OnCommand(30001 + 150);
    Click(cell, cellid::kCropFill);
    EXPECT_EQ(r.operate, kModeCrop);
    Click(cell, cellid::kCropFill);
    EXPECT_EQ(r.operate, kModeWhiteFill);
    EXPECT_FALSE(Marked(cell));
}

TEST_F(FaceCellTest, WhereNoFrameHoldsTheFacesTheTapOffersWhiteBorders) {
    PhotoCell& cell = ShowFaces("tall.jpg", {{100, 40}, {100, 960}});
    ASSERT_TRUE(Marked(cell));
    std::string said;
    testing::ModalAnswer answer([&](QDialog& d) {
        said = testing::DialogText(d);
        return static_cast<int>(QDialog::Accepted);
    });
    Tap(cell);
    EXPECT_NE(said.find(kFacesTooWideText), std::string::npos);
    EXPECT_EQ(state.photoList.At(0).operate, kModeWhiteFill);
    EXPECT_FALSE(Marked(cell));
}

TEST_F(FaceCellTest, OnlyFacesTwoPlacesTheFirstFrameOfANewPhoto) {
    ShowFaces("one.jpg", {{700, 40}});
    EXPECT_EQ(state.photoList.At(0).rcDst.top, 67);
    EXPECT_EQ(state.photoList.At(0).offsetSZY, 0);
    context.faces = 2;
    PhotoCell& placed = ShowFaces("two.jpg", {{700, 40}});
    EXPECT_LT(state.photoList.At(1).rcDst.top, 10);
    EXPECT_FALSE(Marked(placed));
}

TEST_F(FaceCellTest, NoMarkWithoutFacesAndNoLookingAtAPhotoThatDoesNotRead) {
    PhotoCell& plain = ShowInCell(AddPhoto("plain.jpg", 1600, 1200));
    Settle();
    EXPECT_EQ(state.faces.Find(dir / "plain.jpg"), std::vector<FaceBox>{});
    EXPECT_FALSE(Marked(plain));
    testing::WriteTruncatedJpeg(dir / "cut.jpg", 1600, 1200, 600);
    PhotoCell& cut = MakeCell(1, kCell1);
    cut.ShowRecord(&AddRecord(dir / "cut.jpg", "cut.jpg", 1));
    Settle();
    EXPECT_FALSE(state.faces.Find(dir / "cut.jpg"));
    EXPECT_FALSE(Marked(cut));
}

}  // namespace
}  // namespace orelle
