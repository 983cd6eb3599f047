// Paging, the page refresh, copying and deleting photos.
#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <memory>

#include "cell/PhotoCell.h"
#include "orderdata/OrderFiles.h"
#include "orderdata/ProcessState.h"
#include "photownd/BrowseState.h"
#include "photownd/Paging.h"
#include "orderdata/PhotoNames.h"
#include "photownd/PhotoWindow.h"
#include "platform/clock/Clock.h"
#include "platform/files/FileSystem.h"
#include "skin/ShowNotice.h"

namespace orelle {
namespace {

bool Busy() { return Process().bRefreshing; }

}  // namespace

void PhotoWindow::OnFristPage() {
    if (!Busy() && PageFirst(Browse(), Process().photoList.GetSize())) StartPageRefresh();
}

void PhotoWindow::OnUpPage() {
    if (!Busy() && PageUp(Browse(), Process().photoList.GetSize())) StartPageRefresh();
}

void PhotoWindow::OnDownPage() {
    if (!Busy() && PageDown(Browse(), Process().photoList.GetSize())) StartPageRefresh();
}

void PhotoWindow::OnLastPage() {
    if (!Busy() && PageLast(Browse(), Process().photoList)) StartPageRefresh();
}

void PhotoWindow::FillPage() {
    BrowseState& b = Browse();
    PhotoList& list = Process().photoList;
    const auto plan = PagePlan(b, list.GetSize());
    // The decoders start on the whole page before the first cell waits.
    for (const auto& [cell, index] : plan) PhotoCell::Prefetch(list.At(index), b.bBigView);
    for (const auto& [cell, index] : plan) {
        const int target = b.bBigView ? b.nActiveCell : cell;
        if (Cell(target)) Cell(target)->ShowRecord(&list.At(index));
    }
    ActiveWin(0);
}

void PhotoWindow::StartPageRefresh() {
    ProcessState& process = Process();
    if (process.bRefreshing.exchange(true)) return;  // one refresh at a time
    if (writer_.joinable()) writer_.join();
    // The list may just have lost a cell's photo: no cell keeps a record
    // until the fill binds the new page.
    for (PhotoCell* c : cells_) c->ClearCell();
    // The cells are widgets: they are filled here, on the UI thread, once
    // the events that led here are done; the worker then writes the order
    // files. The busy flag holds off every command and key until it ends.
    QPointer<PhotoWindow> self(this);
    QMetaObject::invokeMethod(
        this,
        [self] {
            if (!self) return;
            self->FillPage();
            const bool placed = Browse().bOrderPlaced;
            self->writer_ = std::thread([self, placed] {
                ProcessState& p = Process();
                if (!placed) {
                    const OrderPaths paths{p.startup.config.dir, p.startup.date.dateStr};
                    OrderFiles(paths, p.orderInfo, p.photoList, FileSystem::Default(),
                               Clock::Default())
                        .WriteOrderFiles(false);
                }
                p.bRefreshing = false;
                QMetaObject::invokeMethod(QCoreApplication::instance(), [self] {
                    if (self) self->FinishRefresh();
                });
            });
        },
        Qt::QueuedConnection);
}

void PhotoWindow::FinishRefresh() {
    if (writer_.joinable()) writer_.join();
    update();
}

void PhotoWindow::WaitForRefresh() {
    while (Process().bRefreshing) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
    if (writer_.joinable()) writer_.join();
}

void PhotoWindow::OnCopy() {
    BrowseState& b = Browse();
    PhotoList& list = Process().photoList;
    const std::int32_t current = CurrentIndex(b, list.GetSize());
    if (Busy() || list.GetSize() < 1 || b.nActiveCell < 0 || b.bOrderPlaced || current < 0) return;
    const PhotoRecord& source = list.At(current);
    const std::string copyPath = GetCopyNameFromSrc(source.srcName, FileSystem::Default());
    if (!FileSystem::Default().CopyNewFile(source.srcName, copyPath)) {
        ShowNotice("提示", "错误发生，复制文件已存在", 1, false, this);
        return;
    }
    auto copy = std::make_unique<PhotoRecord>(source);
    copy->srcName = copyPath;
    copy->dstName = GetRealName(copyPath, list);
    PhotoRecord* added = copy.get();
    list.InsertAt(current + 1, std::move(copy));
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
    BrowseState& b = Browse();
    PhotoList& list = Process().photoList;
    const std::int32_t current = CurrentIndex(b, list.GetSize());
    if (Busy() || list.GetSize() < 1 || b.nActiveCell < 0 || b.bOrderPlaced || current < 0) return;
    const std::string question =
        "确认要删除文件:" + list.At(current).origName + "?\r\n按'确定'删除!";
    if (ShowNotice("提示!", question, 1, true, this) != 0) return;
    list.RemoveAt(current);  // the photo's file stays on the disk
    StartPageRefresh();
}

}  // namespace orelle
