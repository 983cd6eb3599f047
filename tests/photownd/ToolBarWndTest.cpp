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

// The photo window's commands in button order.
const int kCommands[ToolBarWnd::kButtonCount] = {1215, 1216, 1217, 1231, 1225, 1219, 1227,
                                                 1223, 1221, 1224, 1222, 1220, 1232, 1229};

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
    EXPECT_EQ(strip->parentWidget(), &owner);
    for (int i = 0; i < ToolBarWnd::kButtonCount; ++i) {
        BitmapButton* b = strip->Button(i);
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->parentWidget(), strip) << i;
        EXPECT_EQ(b->isVisible(), i != 10) << i;
        if (i == 10) continue;
        owner.ids.clear();
        Click(i);
        EXPECT_EQ(owner.ids, std::vector<int>{kCommands[i]}) << i;
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

TEST_F(ToolBarWndTest, OwnerMayDeleteTheStripInACommand) {
    QPointer<ToolBarWnd> alive(strip);
    owner.onCommand = [&](int) { delete strip; };
    Click(5);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(owner.ids, std::vector<int>{1219});
}

// The button's fill must not show through, and the caption must sit whole
// inside the face: bright text pixels in the caption band, none at its ends.
TEST_F(ToolBarWndTest, PicturesAreOpaqueWithTheCaptionInside) {
    std::vector<int> ids{1154};  // the small view's
    for (int i = 0; i < ToolBarWnd::kButtonCount; ++i) ids.push_back(strip->Button(i)->pictureId);
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
