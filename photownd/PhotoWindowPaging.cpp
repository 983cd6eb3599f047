// Paging, the page refresh, copying and deleting photos.
#include <array>
#include <memory>

#include "cell/PhotoCell.h"
#include "orderdata/FolderLoad.h"
#include "orderdata/PhotoNames.h"
#include "orderdata/ProcessState.h"
#include "photownd/Paging.h"
#include "photownd/PhotoWindow.h"
#include "platform/files/FileSystem.h"
#include "skin/ShowNotice.h"

namespace orelle {

void PhotoWindow::OnFristPage() {
    if (!state_.bRefreshing && PageFirst(browse, state_.photoList.GetSize())) StartPageRefresh();
}

void PhotoWindow::OnUpPage() {
    if (!state_.bRefreshing && PageUp(browse, state_.photoList.GetSize())) StartPageRefresh();
}

void PhotoWindow::OnDownPage() {
    if (!state_.bRefreshing && PageDown(browse, state_.photoList.GetSize())) StartPageRefresh();
}

void PhotoWindow::OnLastPage() {
    if (!state_.bRefreshing && PageLast(browse, state_.photoList)) StartPageRefresh();
}

void PhotoWindow::FillPage() {
    BrowseState& b = browse;
    PhotoList& list = state_.photoList;
    const auto plan = PagePlan(b, list.GetSize());
    // The decoders start on the whole page before the first cell waits.
    for (const auto& [cell, index] : plan)
        PhotoCell::Prefetch(cellContext_, list.At(index), b.bBigView);
    std::array<bool, BrowseState::kCellsPerPage> filled{};
    for (const auto& [cell, index] : plan) {
        const int target = b.bBigView ? b.nActiveCell : cell;
        if (!Cell(target)) continue;
        Cell(target)->ShowRecord(&list.At(index));
        filled[static_cast<std::size_t>(target)] = true;
    }
    // Cells past the end of the list show nothing of the page before.
    for (int i = 0; i < BrowseState::kCellsPerPage; ++i) {
        if (!filled[static_cast<std::size_t>(i)] && Cell(i)) Cell(i)->ClearCell();
    }
    // The first page of a job appears whole, its photos already in place.
    for (int i = 0; i < BrowseState::kCellsPerPage; ++i) {
        if (Cell(i) && (!b.bBigView || i == b.nActiveCell)) Cell(i)->show();
    }
    ActiveWin(0);
}

void PhotoWindow::StartPageRefresh() { job_.ShowPage(); }

bool PhotoWindow::CanEditList(std::int32_t current) const {
    return !state_.bRefreshing && state_.photoList.GetSize() > 0 && browse.nActiveCell >= 0 &&
           !state_.session.bOrderPlaced && current >= 0;
}

void PhotoWindow::OnCopy() {
    BrowseState& b = browse;
    PhotoList& list = state_.photoList;
    const std::int32_t current = CurrentIndex(b, list.GetSize());
    if (!CanEditList(current) || !job_.CopiesDone()) return;
    const PhotoRecord& source = list.At(current);
    const std::string copyPath =
        GetCopyNameFromSrc(CopyBeside(source.srcName, state_.orderInfo.backupDir), services_.files);
    const std::string dstName = GetRealName(copyPath, list);
    // The record's fields hold the names whole, or there is no copy.
    if (!FitsField(copyPath, PhotoRecord::kSrcNameSize) ||
        !FitsField(dstName, PhotoRecord::kDstNameSize)) {
        ShowNotice("提示", kTreeTooLongMessage, 1, false, this);
        return;
    }
    if (!services_.files.CopyNewFile(source.srcName, copyPath)) {
        ShowNotice("提示", "错误发生，复制文件已存在", 1, false, this);
        return;
    }
    auto copy = std::make_unique<PhotoRecord>(source);
    copy->srcName = copyPath;
    copy->dstName = dstName;
    PhotoRecord* added = copy.get();
    list.InsertAt(current + 1, std::move(copy));
    job_.Edited();
    if (b.bBigView) {
        ++b.nBigIndex;
        if (Cell(b.nActiveCell)) Cell(b.nActiveCell)->ShowRecord(added);
        return;
    }
    if (b.nActiveCell == b.nCellsPerPage - 1) {
        b.nFirstIndex += b.nCellsPerPage;  // the copy opens the next page
        StartPageRefresh();
        return;
    }
    const int next = b.nActiveCell + 1;
    FillPage();
    ActiveWin(next);
}

void PhotoWindow::OnDelete() {
    PhotoList& list = state_.photoList;
    const std::int32_t current = CurrentIndex(browse, list.GetSize());
    if (!CanEditList(current) || !job_.CopiesDone()) return;
    const std::string question =
        "确认要删除文件:" + list.At(current).origName + "?\r\n按'确定'删除!";
    if (ShowNotice("提示!", question, 1, true, this) != 0) return;
    list.RemoveAt(current);  // the photo's file stays on the disk
    StartPageRefresh();
}

}  // namespace orelle
