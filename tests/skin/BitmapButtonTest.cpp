#include "skin/BitmapButton.h"

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>

#include "support/CommandRecorder.h"

namespace orelle {
namespace {

using testing::CommandRecorder;

struct ButtonFixture : ::testing::Test {
    ButtonFixture() {
        button = new BitmapButton;
        button->SetRect(10, 10, 80, 70);
        button->caption1 = "确定";
        EXPECT_TRUE(button->Create(&owner, 1325));
        owner.show();
    }
    CommandRecorder owner;
    BitmapButton* button;
};

TEST(BitmapButton, NeedsAParent) {
    BitmapButton lonely;
    EXPECT_FALSE(lonely.Create(nullptr, 5));
}

TEST_F(ButtonFixture, OnlyALeftReleaseInsideSendsTheCommandOnce) {
    EXPECT_EQ(button->geometry(), QRect(10, 10, 70, 60));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(owner.ids, std::vector<int>{1325});
    EXPECT_FALSE(button->pressed);
    // Other buttons do nothing.
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(owner.ids.size(), 1u);
    // Nor does a release outside.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(button->pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(owner.ids.size(), 1u);
    EXPECT_FALSE(button->pressed);
    const QImage after = button->grab().toImage();
    EXPECT_EQ(QColor(after.pixel(0, 30)), button->fillColour);
}

TEST_F(ButtonFixture, FillAndCaptionColoursAreTheOwners) {
    button->fillColour = QColor(255, 0, 0);
    button->captionColour = QColor(255, 255, 255);
    button->caption1 = "删除";
    button->Refresh();
    const QImage img = button->grab().toImage();
    EXPECT_EQ(QColor(img.pixel(2, 2)), QColor(255, 0, 0));
    const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    EXPECT_TRUE(std::count(pixels, pixels + rgb.width() * rgb.height(), qRgb(255, 255, 255)))
        << "the caption is drawn";
}

TEST_F(ButtonFixture, HeldAutoRepeatButtonRepeats) {
    button->autoRepeat = true;
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(QTest::qWaitFor([&] { return owner.ids.size() >= 2; }, 5000));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 100));
    const std::size_t afterRelease = owner.ids.size();
    QTest::qWait(BitmapButton::kRepeatMs + 200);
    EXPECT_EQ(owner.ids.size(), afterRelease);
}

// A plain button, and one whose picture file is missing, which the owner
// deletes in its command.
TEST(BitmapButton, OwnerMayDeleteTheButtonAndAMissingPictureLeavesAPlainOne) {
    for (const bool picture : {false, true}) {
        CommandRecorder owner;
        auto* button = new BitmapButton;
        if (picture) {
            button->pictureSource = 1;
            button->bitmapFile = "/nonexistent/picture.bmp";
        }
        button->SetRect(0, 0, 70, 60);
        ASSERT_TRUE(button->Create(&owner, 7));
        owner.onCommand = [&](int) { delete button; };
        owner.show();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(owner.ids, std::vector<int>{7}) << picture;
    }
}

}  // namespace
}  // namespace orelle
