#include "photownd/Paging.h"

#include <algorithm>

#include "orderdata/PhotoList.h"
#include "platform/text/NumberText.h"

namespace orelle {

bool PageFirst(BrowseState& b, std::int32_t count) {
    if (count < 1) return false;
    std::int32_t& at = b.bBigView ? b.nBigIndex : b.nFirstIndex;
    if (at == 0) return false;
    at = 0;
    return true;
}

bool PageUp(BrowseState& b, std::int32_t count) {
    if (count < 1) return false;
    if (b.bBigView) {
        if (b.nBigIndex <= 0) return false;
        --b.nBigIndex;
        return true;
    }
    if (b.nFirstIndex <= 0) return false;
    b.nFirstIndex -= b.nCellsPerPage;
    return true;
}

bool PageDown(BrowseState& b, std::int32_t count) {
    if (count < 1) return false;
    if (b.bBigView) {
        if (b.nBigIndex + 1 > count - 1) return false;
        ++b.nBigIndex;
        return true;
    }
    // The last fill's count: the last page never moves on.
    if (b.nFirstIndex + b.nShownCells >= count) return false;
    b.nFirstIndex += b.nCellsPerPage;
    return true;
}

bool PageLast(BrowseState& b, PhotoList& list) {
    const std::int32_t count = list.GetSize();
    if (b.bBigView) {
        if (b.nBigIndex >= count - 1) return false;
        b.nBigIndex = count - 1;
        return true;
    }
    if (b.nFirstIndex + b.nCellsPerPage >= count) return false;
    b.nFirstIndex = count - count % b.nCellsPerPage;
    if (b.nFirstIndex == count) b.nFirstIndex = count - b.nCellsPerPage;
    for (std::int32_t i = 0; i < count; ++i) list.At(i).bBrowsed = 1;
    return true;
}

void PageToPhoto(BrowseState& b, std::int32_t index, std::int32_t count) {
    if (index < 0 || index > count - 1) return;
    if (b.bBigView) {
        b.nBigIndex = index;
    } else {
        b.nFirstIndex = index - index % b.nCellsPerPage;
    }
}

std::int32_t CurrentIndex(const BrowseState& b, std::int32_t count) {
    const std::int32_t i = b.bBigView ? b.nBigIndex : b.nFirstIndex + b.nActiveCell;
    return i >= 0 && i <= count - 1 && b.nActiveCell >= 0 ? i : -1;
}

std::string IndexText(const BrowseState& b, std::int32_t count) {
    const std::int32_t n =
        b.bBigView ? b.nBigIndex + 1 : std::min(b.nFirstIndex + b.nActiveCell + 1, count);
    return "当前第" + text::IntText(n) + "张/总共" + text::IntText(count) + "张";
}

int NeighbourCell(int cell, int step, int cells) {
    if (cells <= 0) return 0;
    return ((cell + step) % cells + cells) % cells;
}

std::vector<std::pair<int, std::int32_t>> PagePlan(BrowseState& b, std::int32_t count) {
    std::vector<std::pair<int, std::int32_t>> plan;
    b.nShownCells = 0;
    if (b.bBigView) {
        // A delete at the end of the list leaves nBigIndex past it: show the
        // new last photo, or nothing when none is left.
        if (b.nBigIndex > count - 1) b.nBigIndex = std::max(count - 1, 0);
        if (count > 0) plan.emplace_back(b.nActiveCell, b.nBigIndex);
        return plan;
    }
    for (std::int32_t i = b.nFirstIndex;
         i >= 0 && i <= count - 1 && b.nShownCells < b.nCellsPerPage; ++i) {
        plan.emplace_back(b.nShownCells++, i);
    }
    return plan;
}

}  // namespace orelle
