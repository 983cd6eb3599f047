#include "orderdata/FolderLoad.h"

#include <algorithm>
#include <utility>

#include "orderdata/BackupJob.h"
#include "orderdata/JobLock.h"
#include "orderdata/LocalOrderNumber.h"
#include "orderdata/ProcessState.h"
#include "platform/files/FileSystem.h"
#include "platform/files/PartialFiles.h"
#include "platform/jobs/JobContext.h"
#include "platform/paths/BackupDisk.h"
#include "platform/paths/Paths.h"

namespace orelle {

FolderLoad::FolderLoad(ProcessState& state, FileSystem& fs, DiskInfo& disks)
    : state_(state),
      fs_(fs),
      disks_(disks),
      job_(std::make_unique<BackupJob>(fs, disks, state.startup.catalogue,
                                       state.flags.verison_function)) {}

FolderLoad::~FolderLoad() = default;

const char* FolderLoad::Check(const std::string& folder, const std::vector<std::string>& selected) {
    tree_ = FindTreePhotos(fs_, folder, selected);
    count_ = selected.empty() ? tree_.photos.size() : selected.size();
    // Counted first: a path too long fails the load only once it has started.
    if (count_ == 0) return kNoPhotosMessage;
    // A card that cannot fit is refused before anything is copied.
    if (!HasBackupSpace(state_.startup.config.dir, disks_, tree_.photoBytes))
        return kNoBackupSpaceMessage;
    return nullptr;
}

bool FolderLoad::OpenJob(bool appending, const std::function<void()>& emptying) {
    const std::string& root = state_.startup.config.dir;
    const OrderPaths orderPaths{root, state_.startup.date.dateStr};
    fs_.CreateDirectories(root);
    fs_.CreateDirectories(orderPaths.DayFolder());
    // What a crash in an earlier load left half-written goes.
    RemovePartialFiles(fs_, orderPaths.DayFolder());
    if (appending) return true;
    OrderInfo& info = state_.orderInfo;
    const std::string number = NewLocalOrderNumber(orderPaths, state_.startup.date.datePrefix, info,
                                                   state_.session.bOrderPlaced, fs_);
    if (number.empty()) return false;
    state_.jobLock = HoldJobFolder(fs_, orderPaths.WorkFolder(number));
    if (emptying) emptying();
    StartNewOrder(state_);
    info.storeDDH = number;
    // The draw made the folder, empty, for this job alone.
    info.backupDir = paths::WithTrailingSeparator(orderPaths.WorkFolder(info.storeDDH));
    state_.photoList.RemoveAll();
    newJob_ = true;
    return true;
}

bool FolderLoad::TreeFails(const char** first) const {
    *first = tree_.tooLong.empty() ? nullptr : kTreeTooLongMessage;
    return *first || tree_.unreadable;
}

bool FolderLoad::Copy(JobContext& context, const std::function<void(const PhotoList& made)>& made,
                      std::size_t upTo) {
    BackupJob* job = job_.get();
    job->step = [job, &context, &made] {
        if (made) made(job->records);
        context.Step();
        if (context.Stopped()) job->stop = true;
    };
    const std::size_t from = std::exchange(copied_, std::min(upTo, tree_.photos.size()));
    const bool ok = job->CopyTree(tree_, state_.orderInfo.backupDir, from, copied_);
    job->step = nullptr;
    return ok && !context.Stopped();
}

void FolderLoad::Join() { joined_ = job_->CopyMade(joined_, state_.photoList, state_.dirList); }

void FolderLoad::GiveNames(std::map<std::string, std::string> names) {
    job_->givenNames = std::move(names);
}

void FolderLoad::GiveCopies(MadeStationCopies made) { job_->madeCopies = std::move(made); }

bool FolderLoad::NamesTooLong() const { return job_ && job_->fieldTooLong; }

bool FolderLoad::Finish(bool ok) {
    if (!ok) {
        state_.photoList.RemoveAll();
        // No record refers to the copies of a job given up: they would only
        // take the room the next customer needs.
        if (std::exchange(newJob_, false) && !state_.orderInfo.backupDir.empty()) {
            fs_.RemoveTree(state_.orderInfo.backupDir);
            state_.orderInfo.storeDDH.clear();
            state_.orderInfo.backupDir.clear();
        }
        return false;
    }
    Join();
    state_.session.bOrderPlaced = false;
    return true;
}

bool FolderLoad::KeepMade() {
    // The part that fails never reaches the flush at the tree's end.
    fs_.SyncFileSystem(state_.orderInfo.backupDir);
    return Finish(true);
}

}  // namespace orelle
