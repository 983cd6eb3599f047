#include "skin/CursorFile.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::TempFolder;

TEST(CursorFile, WrittenCursorReadsBackWithItsHotSpot) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.fillRect(4, 2, 10, 20, Qt::black);
    }
    const QByteArray bytes = EncodeCursorFile(image, QPoint(9, 3));
    ASSERT_GE(bytes.size(), 22 + 40 + 32 * 32 * 4 + 32 * 4);
    EXPECT_EQ(bytes[2], 2);  // a cursor, not an icon

    TempFolder dir;
    testing::WriteBytes(dir / "hand.cur", std::string_view(bytes.constData(), bytes.size()));
    const std::optional<QCursor> cursor = LoadCursorFile(dir / "hand.cur");
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->hotSpot(), QPoint(9, 3));
    const QImage back = cursor->pixmap().toImage();
    ASSERT_EQ(back.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(back.pixel(5, 5)), 255);
    EXPECT_EQ(qAlpha(back.pixel(20, 25)), 0);
}

TEST(CursorFile, MissingOrDamagedFilesGiveNoCursor) {
    TempFolder dir;
    EXPECT_FALSE(LoadCursorFile(dir / "none.cur"));
    testing::WriteBytes(dir / "bad.cur", "not a cursor at all");
    EXPECT_FALSE(LoadCursorFile(dir / "bad.cur"));
    testing::WriteBytes(dir / "short.cur", std::string_view("\0\0\2\0\1\0", 6));
    EXPECT_FALSE(LoadCursorFile(dir / "short.cur"));
}

}  // namespace
}  // namespace orelle
