#include <gtest/gtest.h>

#include "skin/CaptionLayout.h"
#include "skin/NoticeLayout.h"
#include "skin/NoticeParts.h"

namespace orelle {
namespace {

TEST(NoticeParts, TheOrderNumberLineIsTakenOutOfTheText) {
    struct Case {
        std::string text, before, number, after;
        int linesAfter;
    };
    for (const Case& c : {
             Case{"请注意!:\r\n6寸 2张\r\n订单号:<00123456>\r\n订单金额:<12.50>\r\n谢谢!",
                  "请注意!:\r\n6寸 2张", "订单号:<00123456>", "订单金额:<12.50>\r\n谢谢!", 2},
             Case{"订单号:<1>", "", "订单号:<1>", "", 0},
             Case{"没有单号\r\n订单号:<未完", "没有单号\r\n订单号:<未完", "", "", 0},
         }) {
        const NoticeParts parts = SplitAtOrderNumber(c.text);
        EXPECT_EQ(parts.before, c.before) << c.text;
        EXPECT_EQ(parts.number, c.number) << c.text;
        EXPECT_EQ(parts.after, c.after) << c.text;
        EXPECT_EQ(parts.linesAfter, c.linesAfter) << c.text;
    }
}

TEST(NoticeLayout, LongOneLineTextsGrowTheBoxAndOkAloneIsCentred) {
    const NoticeLayout l = NoticeLayout::For(100, 1, true);
    EXPECT_EQ(l.lines, 3);
    EXPECT_EQ(l.staticHeight, 39);
    EXPECT_EQ(l.height, 171);
    EXPECT_EQ(l.buttonTop, 91);
    EXPECT_EQ(l.buttonBottom, 151);

    EXPECT_EQ(NoticeLayout::For(39, 1, true).lines, 1);
    EXPECT_EQ(NoticeLayout::For(40, 1, true).lines, 2);
    // A caller's own line count stands.
    EXPECT_EQ(NoticeLayout::For(100, 2, true).lines, 2);
    EXPECT_EQ(NoticeLayout::For(10, 0, true).lines, 1);
    // Without cancel OK is centred.
    const NoticeLayout alone = NoticeLayout::For(10, 1, false);
    EXPECT_EQ(alone.height, 145);
    EXPECT_EQ(alone.okLeft + alone.okRight, NoticeLayout::kWidth);
}

TEST(CaptionLayout, BytesPerLineFromWidthAndFont) {
    EXPECT_EQ(CaptionBytesPerLine(85, 16), 8);
    EXPECT_EQ(CaptionLineCount(85, 16, 8), 1);
    EXPECT_EQ(CaptionLineCount(85, 16, 9), 2);
    EXPECT_EQ(CaptionLineCount(85, 16, 40), 2);  // never a third line
    EXPECT_EQ(CaptionLineCount(85, 0, 3), 2);
    EXPECT_EQ(CaptionLineCount(85, 0, 0), 1);
}

}  // namespace
}  // namespace orelle
