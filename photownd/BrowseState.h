#pragma once
// The browsing state of the one photo window of the process, shared by the
// window, its six cells and the workers. UI thread only, except where the
// busy flag (ProcessState::bRefreshing) says a worker owns the list.

#include <array>
#include <cstdint>
#include <string>

namespace orelle {

class PhotoCell;
class CellHost;
class CUpFileWnd;

struct BrowseState {
    static constexpr int kCellsPerPage = 6;

    std::array<PhotoCell*, kCellsPerPage> Cells{};
    int nCellsPerPage = kCellsPerPage;
    std::int32_t nFirstIndex = 0;  // list index of the photo in cell 0
    std::int32_t nBigIndex = 0;    // list index of the photo in the single-photo view
    int nShownCells = 0;
    int nActiveCell = 0;
    bool bBigView = false;
    bool bAdding = false;
    bool bOrderPlaced = false;
    bool bKeysEnabled = true;
    std::int32_t nOrderType = 0;
    std::int32_t nStoreNumber = 0;
    std::int32_t nOpenNumber = 0;  // base of the numbers of appended copies
    CUpFileWnd* pUploadWnd = nullptr;
    // The member preset by the host for the order dialog.
    std::string memberAccount;
    std::string memberPassword;
    std::string OrderRequirement;
    // Settings for appended photos.
    std::int32_t defaultSpecIndex = 3;
    std::int32_t defaultNumber = 1;
    std::int32_t defaultOperate = 0;
    // The window the cells call back; null until the window exists.
    CellHost* host = nullptr;
};

BrowseState& Browse();

}  // namespace orelle
