#pragma once
// The dark and light modules of a printed code, row by row: a QR code's
// square, or a bar code's single row that the printer stretches. No quiet
// zone: whoever draws it leaves one.

#include <cstdint>
#include <vector>

namespace orelle {

struct ModuleGrid {
    int columns = 0;
    int rows = 0;
    std::vector<std::uint8_t> dark;  // columns x rows, 1 for a dark module

    bool Empty() const { return columns == 0 || rows == 0; }
    bool Dark(int column, int row) const { return dark[row * columns + column] != 0; }
};

}  // namespace orelle
