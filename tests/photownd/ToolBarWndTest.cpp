#include "photownd/ToolBarWnd.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>

#include "skin/BitmapButton.h"
#include "skin/SkinBitmaps.h"
#include "support/CommandRecorder.h"

namespace orelle {
namespace {

using testing::CommandRecorder;

struct Row {
    int pictureId;
    int commandId;
};

// The photo window's commands in button order.
const Row kRows[ToolBarWnd::kButtonCount] = {
    {1133, 1215}, {1126, 1216}, {1136, 1217}, {1167, 1231}, {1151, 1225},
    {1134, 1219}, {1155, 1227}, {1137, 1223}, {1140, 1221}, {1138, 1224},
    {1139, 1222}, {1017, 1220}, {1171, 1232}, {1156, 1229},
};

class ToolBarWndTest : public ::testing::Test {
  protected:
    ToolBarWndTest() {
        owner.resize(1024, 120);
        strip = new ToolBarWnd;
        EXPECT_TRUE(strip->Create(&owner, 1000));
        owner.show();
    }

    void Click(int index) { QTest::mouseClick(strip->Button(index), Qt::LeftButton, {}, {30, 30}); }

    CommandRecorder owner;
    ToolBarWnd* strip;
};

TEST_F(ToolBarWndTest, ThirteenButtonsAndAGapEachSendTheirCommandToTheOwnerOnce) {
    ToolBarWnd orphan;
    EXPECT_FALSE(orphan.Create(nullptr, 1000));
    EXPECT_EQ(orphan.owner, nullptr);
    EXPECT_EQ(strip->parentWidget(), &owner);
    EXPECT_EQ(strip->objectName(), "1000");
    EXPECT_EQ(strip->geometry(), QRect(0, 0, 1023, 60));
    EXPECT_TRUE(strip->isVisible());
    for (int i = 0; i < ToolBarWnd::kButtonCount; ++i) {
        BitmapButton* b = strip->Button(i);
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->parentWidget(), strip) << i;
        EXPECT_EQ(b->geometry(), QRect(70 * i, 0, 69, 59)) << i;
        EXPECT_EQ(b->pictureId, kRows[i].pictureId) << i;
        EXPECT_TRUE(b->caption1.empty()) << i;
        EXPECT_EQ(b->isVisible(), i != 10) << i;
        if (i == 10) continue;
        owner.ids.clear();
        Click(i);
        EXPECT_EQ(owner.ids, std::vector<int>{kRows[i].commandId}) << i;
    }
    EXPECT_EQ(strip->Button(-1), nullptr);
    EXPECT_EQ(strip->Button(14), nullptr);
    // A release outside sends nothing.
    owner.ids.clear();
    QTest::mousePress(strip->Button(0), Qt::LeftButton, {}, {30, 30});
    QTest::mouseRelease(strip->Button(0), Qt::LeftButton, {}, {100, 30});
    EXPECT_TRUE(owner.ids.empty());
}

// The picture follows the view the owner reports, not the clicks: the view
// also changes by a double click or a new job.
TEST_F(ToolBarWndTest, ViewButtonIsRepaintedWithThePictureOfTheOtherView) {
    BitmapButton* view = strip->Button(5);
    const QImage big = view->grab().toImage();
    Click(5);
    EXPECT_EQ(view->pictureId, 1134);
    strip->ShowView(true);
    EXPECT_NE(view->grab().toImage(), big);
    strip->ShowView(false);
    EXPECT_EQ(view->grab().toImage(), big);
}

TEST_F(ToolBarWndTest, TileFillsTheGapAndTheEndButNotTheLastRow) {
    const QImage shot = strip->grab().toImage();
    const QImage tile = SkinBitmap(skinres::kToolBarBack).toImage();
    const QColor ownerColour = owner.palette().color(QPalette::Window);
    // Inside the hidden button's place, on and off the tile's groove, and
    // past the last button.
    for (int x : {701, 705, 990, 1022}) {
        for (int y : {2, 30, 58}) {
            EXPECT_EQ(QColor(shot.pixel(x, y)), QColor(tile.pixel(x % 18, y))) << x << "," << y;
            EXPECT_NE(QColor(shot.pixel(x, y)), ownerColour) << x << "," << y;
        }
        EXPECT_EQ(QColor(shot.pixel(x, 59)), QColor(124, 124, 124)) << x;
    }
}

TEST_F(ToolBarWndTest, OwnerMayDeleteTheStripInACommand) {
    QPointer<ToolBarWnd> alive(strip);
    owner.onCommand = [&](int) { delete strip; };
    Click(5);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(owner.ids, std::vector<int>{1219});
}

// The button's fill must not show through, and the caption must sit whole
// inside the face: bright text pixels in the caption band, none at its ends.
TEST(ToolBarBitmaps, PicturesAreOpaqueWithTheCaptionInside) {
    std::vector<int> ids{1154};  // the small view's
    for (const Row& row : kRows) ids.push_back(row.pictureId);
    for (int id : ids) {
        const QImage pic = SkinBitmap(id).toImage();
        int text = 0, clipped = 0;
        for (int y = 0; y < pic.height(); ++y) {
            for (int x = 0; x < pic.width(); ++x) {
                const QColor c = pic.pixelColor(x, y);
                ASSERT_EQ(c.alpha(), 255) << id << " at " << x << "," << y;
                const bool bright = c.red() > 200 && c.green() > 200 && c.blue() > 200;
                if (!bright || y < 37) continue;
                ++text;
                if (x < 4 || x > 64 || y > 55) ++clipped;
            }
        }
        EXPECT_GT(text, 40) << id;
        EXPECT_EQ(clipped, 0) << id;
    }
}

}  // namespace
}  // namespace orelle
