#include <gtest/gtest.h>

#include <array>
#include <tuple>

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
        const NoticeParts p = SplitAtOrderNumber(c.text);
        EXPECT_EQ(std::tie(p.before, p.number, p.after, p.linesAfter),
                  std::tie(c.before, c.number, c.after, c.linesAfter));
    }
}

TEST(NoticeLayout, LongOneLineTextsGrowTheBoxAndOkAloneIsCentred) {
    const NoticeLayout l = NoticeLayout::For(100, 1, true);
    // Lines, text height, box height, buttons' top and bottom.
    EXPECT_EQ((std::array{l.lines, l.staticHeight, l.height, l.buttonTop, l.buttonBottom}),
              (std::array{3, 39, 171, 91, 151}));

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
