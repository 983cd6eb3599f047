#include "cell/ValuePad.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <tuple>

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
    for (const auto& [kind, value, placement, geometry] :
         {std::tuple{kQuantityPad, "1", 3, QRect(400 - 231, 300 - 252, 231, 252)},
          std::tuple{kZoomPad, "100", 0, QRect(400, 300, 231, 307)},
          std::tuple{kRotationStrip, "0", 0, QRect(400 - 231, 300 - 32, 231, 55)}}) {
        QPointer<ValuePad> pad = new ValuePad(kind, value, 400, 300, placement, &owner);
        EXPECT_EQ(pad->geometry(), geometry) << kind;
        Close(pad);
    }
}

// What each pad sends for the keys pressed, and whether it stays open; the
// quantity pad with its pictures and with none in the program folder.
TEST(ValuePad, KeysSendTheirCommands) {
    const struct {
        int kind;
        const char* value;
        bool pictures;
        std::vector<QPoint> presses;
        std::vector<int> sent;
        bool open;
    } cases[] = {
        {kQuantityPad, "3", true, {Key(4), Key(10), Key(11)}, {40051}, false},  // 5 0 OK
        {kQuantityPad, "3", false, {Key(4), Key(10), Key(11)}, {40051}, false},
        {kZoomPad, "100", true, {Key(14), Key(13)}, {30107, 30002}, true},  // +5, frame turn
        {kRotationStrip, "90", true, {QPoint(20, 20), QPoint(200, 20)}, {50001, 50091}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        testing::TempFolder empty;
        if (!c.pictures) paths::SetProgramFolder(paths::WithTrailingSeparator(empty.path()));
        CommandRecorder owner;
        QPointer<ValuePad> pad = new ValuePad(c.kind, c.value, 300, 300, 0, &owner);
        paths::SetProgramFolder("");
        EXPECT_EQ(pad->HasLook(), c.pictures);
        if (c.pictures && c.kind == kQuantityPad) {
            EXPECT_EQ(pad->grab().toImage().pixel(72, 12), qRgb(255, 255, 255)) << "the value box";
        }
        for (const QPoint& at : c.presses) QTest::mouseClick(pad, Qt::LeftButton, {}, at);
        EXPECT_EQ(owner.ids, c.sent);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(!pad.isNull() && pad->isVisible(), c.open);
        Close(pad);
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
    Close(pad);
}

}  // namespace
}  // namespace orelle
