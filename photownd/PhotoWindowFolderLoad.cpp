// Starting a job: the folder load with its progress bar.
#include <QCoreApplication>
#include <QThread>
#include <filesystem>
#include <system_error>

#include "cell/PhotoCell.h"
#include "orderdata/BackupJob.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/LocalOrderNumber.h"
#include "orderdata/PhotoTree.h"
#include "orderdata/ProcessState.h"
#include "photownd/BrowseState.h"
#include "photownd/PhotoWindow.h"
#include "platform/files/FileSystem.h"
#include "platform/messages/HostMessage.h"
#include "platform/paths/BackupDisk.h"
#include "platform/paths/Paths.h"
#include "skin/ModalRunner.h"
#include "skin/ProgressBarWnd.h"

namespace orelle {
namespace {

// An earlier job's folder of the same number and day, with everything in
// it; files that refuse (read-only folders) are made writable first.
void RemoveWorkFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(folder, ec)) return;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(folder, ec);
}

}  // namespace

// The job is not started or given up; a message comes after the host has
// been told.
void PhotoWindow::AbandonLoad(const char* message) {
    ProcessState& process = Process();
    process.bRefreshing = false;
    SendHostMessage(HostWindow(), kMessageHandBack);
    progress_->hide();
    if (message) ShowMessage(this, "Orelle", message);
}

void PhotoWindow::LoadFolder() {
    ProcessState& process = Process();
    BrowseState& b = Browse();
    process.bRefreshing = true;
    progress_->show();
    const PhotoTree tree = FindTreePhotos(currentFolder, selectedFiles);
    const std::size_t count = selectedFiles.empty() ? tree.photos.size() : selectedFiles.size();
    // The walk ends at a path too long, which fails the load below.
    if (count == 0 && tree.tooLong.empty()) {
        ShowMessage(this, "Orelle", "没有图片文件");
        return AbandonLoad(nullptr);
    }
    const std::string root = process.startup.config.dir;
    DiskInfo& diskInfo = disks ? *disks : DiskInfo::Default();
    if (!HasBackupSpace(root, diskInfo)) {
        ShowMessage(this, "Orelle", "系统备份目录没有足够的空间");
        return AbandonLoad(nullptr);
    }
    FileSystem& fs = files ? *files : FileSystem::Default();
    const OrderPaths orderPaths{root, process.startup.date.dateStr};
    fs.CreateDirectories(root);
    fs.CreateDirectories(orderPaths.DayFolder());
    if (!b.bAdding) {
        OrderInfo& info = process.orderInfo;
        info.storeDDH = NewLocalOrderNumber(orderPaths, process.startup.date.datePrefix, info,
                                            b.bOrderPlaced, fs);
        info.requir.clear();
        const std::string work = orderPaths.WorkFolder(info.storeDDH);
        RemoveWorkFolder(work);
        fs.CreateDirectories(work);
        info.backupDir = paths::WithTrailingSeparator(work);
        // No cell may keep a record that is about to be freed.
        for (PhotoCell* c : cells_) c->ClearCell();
        process.photoList.RemoveAll();
        b.nFirstIndex = 0;
        b.nBigIndex = 0;
    }
    if (!tree.tooLong.empty()) {
        ShowMessage(this, "Orelle", "目录名太长");
        return AbandonLoad("备份失败!");
    }
    if (tree.unreadable) return AbandonLoad("备份失败!");
    progress_->SetSteps(static_cast<int>(count));
    loadJob_ = std::make_shared<BackupJob>(fs, diskInfo, process.startup.catalogue,
                                           ReadEdition(process.startup.settingsFolder, fs));
    QPointer<PhotoWindow> self(this);
    BackupJob* copier = loadJob_.get();
    loadJob_->step = [self, copier, prefetched = 0]() mutable {
        // On the worker, which owns the records meanwhile: the first page's
        // photos are decoded while the rest is copied.
        while (prefetched < copier->records.GetSize() && prefetched < BrowseState::kCellsPerPage)
            PhotoCell::Prefetch(copier->records.At(prefetched++), false);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self) self->progress_->StepIt();
            },
            Qt::QueuedConnection);
    };
    std::shared_ptr<BackupJob> job = loadJob_;
    const std::string work = process.orderInfo.backupDir;
    if (loader_.joinable()) loader_.join();
    loader_ = std::thread([self, job, tree, work] {
        const bool ok = job->CopyTree(tree, work);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, ok] {
                if (self) self->FinishLoad(ok);
            },
            Qt::QueuedConnection);
    });
}

void PhotoWindow::FinishLoad(bool ok) {
    if (loader_.joinable()) loader_.join();
    std::shared_ptr<BackupJob> job = std::move(loadJob_);
    ProcessState& process = Process();
    BrowseState& b = Browse();
    for (PhotoCell* c : cells_) c->ClearCell();
    if (!ok) {
        process.photoList.RemoveAll();
        AbandonLoad("备份失败!");
        return;
    }
    for (const std::string& dir : job->dirs.Entries()) process.dirList.AddIfAbsent(dir);
    process.photoList.AppendFrom(job->records);
    b.bAdding = false;
    progress_->hide();
    progress_->SetSteps(1);
    process.bRefreshing = false;
    SendHostMessage(HostWindow(), kMessageHandBack);
    b.bOrderPlaced = false;
    b.nFirstIndex = 0;
    b.nBigIndex = 0;
    StartPageRefresh();  // fills the first page and writes the order files
}

void PhotoWindow::WaitForLoad() {
    while (loadJob_ || Process().bRefreshing) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    WaitForRefresh();
}

}  // namespace orelle
