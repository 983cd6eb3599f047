#include "cell/ChooserGrid.h"

#include <gtest/gtest.h>

#include <array>

#include "orderdata/PrintSpec.h"

namespace orelle {
namespace {

TEST(ChooserGrid, RowsGrowAt15And46Sizes) {
    struct Case {
        int count, rows, columns, width, height;
    };
    for (const Case& c :
         {Case{14, 4, 4, 308, 220}, Case{15, 5, 3, 231, 275}, Case{45, 5, 9, 693, 275},
          Case{46, 6, 8, 616, 330}, Case{3, 4, 1, 77, 165}, Case{0, 4, 0, 0, 0}}) {
        const ChooserGrid g = ChooserGrid::For(c.count);
        EXPECT_EQ((std::array{g.rows, g.columns, g.Width(), g.Height()}),
                  (std::array{c.rows, c.columns, c.width, c.height}))
            << c.count;
    }
}

TEST(ChooserGrid, SizesRunDownTheColumns) {
    const ChooserGrid g = ChooserGrid::For(14);
    EXPECT_EQ(g.IndexAt(1, 2), 9);
    EXPECT_EQ(g.RowOf(9), 1);
    EXPECT_EQ(g.ColumnOf(9), 2);
    // The last column's empty cells still have an index, past the count.
    EXPECT_EQ(g.IndexAt(3, 3), 15);
}

TEST(SizeTooltip, DropsEveryPointZeroZero) {
    EXPECT_EQ(SizeTooltip(4, 6), "4*6(单位为英寸)");
    EXPECT_EQ(SizeTooltip(4.5f, 6), "4.50*6(单位为英寸)");
    EXPECT_EQ(SizeTooltip(3.5f, 5.25f), "3.50*5.25(单位为英寸)");
    EXPECT_EQ(SizeTooltip(10, 12), "10*12(单位为英寸)");
}

TEST(ShowsSizeName, ShortCodesOnlyWithTheSwitch) {
    PrintSpec spec;
    spec.pcode = "5R";
    EXPECT_FALSE(ShowsSizeName(spec, 0));
    EXPECT_TRUE(ShowsSizeName(spec, 1));
    spec.pcode = "P5R1";
    EXPECT_TRUE(ShowsSizeName(spec, 0));
    spec.pcode = "相片";  // two characters, four GBK bytes
    EXPECT_TRUE(ShowsSizeName(spec, 0));
}

}  // namespace
}  // namespace orelle
