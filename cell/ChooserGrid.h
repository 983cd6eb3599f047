#pragma once
// The grid of the print-size chooser: sizes column by column in cells of
// 77 x 55, 4 rows for fewer than 15 sizes, 5 for fewer than 46, else 6.

#include <cstdint>
#include <string>

namespace orelle {

class PrintCatalogue;
struct PrintSpec;

struct ChooserGrid {
    static constexpr int kCellWidth = 77;
    static constexpr int kCellHeight = 55;

    int count = 0;
    int rows = 4;
    int columns = 0;

    static ChooserGrid For(int count);

    int Width() const { return kCellWidth * columns; }
    int Height() const { return kCellHeight * (count < rows ? count : rows); }
    // The size index of a cell; may be count or more for the empty cells of
    // the last column.
    int IndexAt(int row, int column) const { return rows * column + row; }
    int RowOf(int index) const { return rows > 0 ? index % rows : 0; }
    int ColumnOf(int index) const { return rows > 0 ? index / rows : 0; }
};

// "%.2f*%.2f(单位为英寸)" with every ".00" removed: 4 by 6 inches give
// "4*6(单位为英寸)".
std::string SizeTooltip(float xInches, float yInches);

// The name is written in a cell only for product codes of 4 characters or
// more, unless showofile is set.
bool ShowsSizeName(const PrintSpec& spec, std::int32_t showofile);

}  // namespace orelle
