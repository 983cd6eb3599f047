#include "cell/ValuePad.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include "platform/paths/Paths.h"

#include "support/CommandRecorder.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::CommandRecorder;

// The centre of key k = column + 3 * (row - 1), as the pad's pictures show it.
QPoint Key(int k) { return QPoint(77 * (k % 3) + 38, 32 + 55 * (k / 3) + 27); }

void Close(QPointer<ValuePad>& pad) {
    if (pad) pad->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ValuePad, SizesAndPlaces) {
    CommandRecorder owner;
    QPointer<ValuePad> quantity = new ValuePad(kQuantityPad, "1", 400, 300, 3, &owner);
    EXPECT_EQ(quantity->geometry(), QRect(400 - 231, 300 - 252, 231, 252));
    Close(quantity);
    QPointer<ValuePad> zoom = new ValuePad(kZoomPad, "100", 400, 300, 0, &owner);
    EXPECT_EQ(zoom->geometry(), QRect(400, 300, 231, 307));
    Close(zoom);
    QPointer<ValuePad> strip = new ValuePad(kRotationStrip, "0", 400, 300, 0, &owner);
    EXPECT_EQ(strip->geometry(), QRect(400 - 231, 300 - 32, 231, 55));
    Close(strip);
}

// With its pictures, and with none in the program folder.
TEST(ValuePad, QuantityKeysSendOnOkAndClose) {
    for (const bool pictures : {true, false}) {
        SCOPED_TRACE(pictures);
        testing::TempFolder empty;
        if (!pictures) paths::SetProgramFolder(paths::WithTrailingSeparator(empty.path()));
        CommandRecorder owner;
        QPointer<ValuePad> pad = new ValuePad(kQuantityPad, "3", 0, 0, 0, &owner);
        paths::SetProgramFolder("");
        EXPECT_EQ(pad->HasLook(), pictures);
        QTest::mouseMove(pad, Key(0));
        QTest::mouseClick(pad, Qt::LeftButton, {}, Key(4));   // 5
        QTest::mouseClick(pad, Qt::LeftButton, {}, Key(10));  // 0
        const QImage shown = pad->grab().toImage();
        EXPECT_TRUE(!pictures || shown.pixel(72, 12) == qRgb(255, 255, 255)) << "the value box";
        EXPECT_TRUE(owner.ids.empty());
        QTest::mouseClick(pad, Qt::LeftButton, {}, Key(11));
        EXPECT_EQ(owner.ids, std::vector<int>{40051});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(pad.isNull());
    }
}

TEST(ValuePad, HoveredKeyComesFromTheHighlightPicture) {
    CommandRecorder owner;
    QPointer<ValuePad> pad = new ValuePad(kZoomPad, "100", 0, 0, 0, &owner);
    const QImage highlight(QString::fromStdString(ValuePad::HighlightPicturePath(kZoomPad)));
    ASSERT_FALSE(highlight.isNull());
    QTest::mouseMove(pad, Key(13));
    EXPECT_EQ(pad->HoverRow(), 5);
    EXPECT_EQ(pad->HoverColumn(), 1);
    const QImage shown = pad->grab().toImage();
    const QPoint inKey = Key(13) + QPoint(-30, -20);
    EXPECT_EQ(shown.pixel(inKey), highlight.pixel(inKey));

    QTest::mouseClick(pad, Qt::LeftButton, {}, Key(14));  // +5
    QTest::mouseClick(pad, Qt::LeftButton, {}, Key(13));  // frame turn
    EXPECT_EQ(owner.ids, (std::vector<int>{30107, 30002}));
    EXPECT_TRUE(pad->isVisible());
    Close(pad);
}

TEST(ValuePad, RotationStripStaysOpen) {
    CommandRecorder owner;
    QPointer<ValuePad> strip = new ValuePad(kRotationStrip, "90", 300, 300, 0, &owner);
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(200, 20));
    EXPECT_EQ(owner.ids, (std::vector<int>{50001, 50091}));
    EXPECT_TRUE(strip->isVisible());
    Close(strip);
}

}  // namespace
}  // namespace orelle
