#pragma once
// Where the customer is in the job: the page, the single-photo view, the
// active cell, and the settings of photos appended next. Held by the photo
// window and handed to the paging rules; UI thread only.

#include <cstdint>

namespace orelle {

struct BrowseState {
    static constexpr int kCellsPerPage = 6;

    int nCellsPerPage = kCellsPerPage;
    std::int32_t nFirstIndex = 0;  // list index of the photo in cell 0
    std::int32_t nBigIndex = 0;    // list index of the photo in the single-photo view
    int nShownCells = 0;
    int nActiveCell = 0;
    bool bBigView = false;
    bool bAdding = false;
    bool bKeysEnabled = true;
    std::int32_t nOpenNumber = 0;  // base of the numbers of appended copies
    // Settings for appended photos.
    std::int32_t defaultSpecIndex = 3;
    std::int32_t defaultNumber = 1;
    std::int32_t defaultOperate = 0;
};

}  // namespace orelle
