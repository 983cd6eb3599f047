#include "cell/CellTexts.h"

#include <gtest/gtest.h>

#include <array>

#include "cell/CellCommands.h"

namespace orelle {
namespace {

std::array<int, 3> Fields(const PopupAnchor& a) { return {a.x, a.y, a.placement}; }

TEST(OrderedName, NumberGoesBeforeTheLastDot) {
    EXPECT_EQ(OrderedName("IMG_1.jpg", 2), "IMG_1-2.jpg");
    EXPECT_EQ(OrderedName("a.b.jpg", 12), "a.b-12.jpg");
    EXPECT_EQ(OrderedName("noext", 3), "-3noext");
    EXPECT_EQ(OrderedName("IMG_1.jpg", 0), "IMG_1.jpg");
}

// Regression: long names were cut at both ends and the pixel size was lost.
TEST(CellTexts, LongNamesLoseTheMiddleOfTheirStem) {
    // Characters, not bytes: a Chinese character is as wide as a letter here.
    const auto within = [](std::size_t n) {
        return [n](const std::string& text) {
            std::size_t chars = 0;
            for (unsigned char c : text) chars += (c & 0xC0) != 0x80;
            return chars <= n;
        };
    };
    struct Case {
        std::string name;
        std::size_t room;
        std::string shown;
    };
    for (const Case& c : {
             Case{"img_1.jpg", 20, "img_1.jpg(1600x1200)"},
             Case{"DSC_20261208_holiday_beach.JPG", 24, "DSC_…each.JPG(1600x1200)"},
             Case{"夏天的海边和孩子们一起.jpg", 19, "夏天…起.jpg(1600x1200)"},
             Case{"noextension_at_all", 16, "no…ll(1600x1200)"},
             Case{"averyveryverylongname.jpeg", 5, "….jpeg(1600x1200)"},
         }) {
        EXPECT_EQ(ElidedName(c.name, "(1600x1200)", within(c.room)), c.shown) << c.name;
    }
    EXPECT_EQ(ElidedName("a_rather_long_name.jpg", "", within(10)), "a_r…me.jpg");
}

TEST(ClassifyCellCommand, RangesInTheirOrder) {
    struct Case {
        int id;
        CellCommandKind kind;
        int value;
    };
    for (const Case& c : {
             Case{1244, CellCommandKind::kButton, 1244},
             Case{10000, CellCommandKind::kSize, 0},
             Case{10100, CellCommandKind::kSize, 100},
             Case{10101, CellCommandKind::kNone, 0},
             Case{30001, CellCommandKind::kZoom, 0},
             Case{30002, CellCommandKind::kZoom, 1},
             Case{40000, CellCommandKind::kZoom, 9999},
             Case{40001, CellCommandKind::kNumber, 0},
             Case{50000, CellCommandKind::kNumber, 9999},
             Case{50001, CellCommandKind::kAngle, 0},
             Case{50001 + 450, CellCommandKind::kAngle, 90},
             Case{60001, CellCommandKind::kNone, 0},
         }) {
        const CellCommand got = ClassifyCellCommand(c.id);
        EXPECT_EQ(std::pair(got.kind, got.value), std::pair(c.kind, c.value)) << c.id;
    }
}

TEST(PopupAnchors, FollowTheCellsPlaceOnTheScreen) {
    const Ltrb button{100, 200, 162, 256};
    struct Case {
        int cell;
        bool big;
        PopupAnchor chooser, pad;
    };
    for (const Case& c : {
             Case{0, false, {85, 256, 0}, {120, 256, 0}},
             Case{1, false, {85, 256, 0}, {120, 256, 0}},
             Case{2, false, {130, 256, 1}, {120, 256, 1}},
             Case{3, false, {85, 200, 2}, {120, 200, 2}},
             Case{4, false, {85, 200, 2}, {120, 200, 2}},
             Case{5, false, {130, 200, 3}, {120, 200, 3}},
             Case{4, true, {130, 256, 1}, {120, 256, 1}},
         }) {
        EXPECT_EQ(Fields(PrintSizeChooserAnchor(c.cell, c.big, button)), Fields(c.chooser))
            << c.cell;
        EXPECT_EQ(Fields(QuantityPadAnchor(c.cell, c.big, button)), Fields(c.pad)) << c.cell;
    }
    EXPECT_EQ(Fields(ToolPadAnchor(button)), (std::array{100, 200, 3}));
}

}  // namespace
}  // namespace orelle
