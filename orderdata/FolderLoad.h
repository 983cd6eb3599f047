#pragma once
// What starting a job from a customer's folder decides, without windows:
// whether there is anything to copy and room for it, the job's order number
// and fresh work folder, the copying itself, and joining the copies to the
// job. The window shows the messages, runs Copy on a worker and calls the
// other steps on its own thread, in this order:
//   Check -> OpenJob -> TreeFails -> Copy -> Finish.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orderdata/PhotoTree.h"
#include "platform/imaging/StationCopy.h"

namespace orelle {

class BackupJob;
class DiskInfo;
class FileSystem;
class JobContext;
class PhotoList;
struct ProcessState;

inline constexpr const char* kNoPhotosMessage = "没有图片文件";
inline constexpr const char* kNoBackupSpaceMessage = "系统备份目录没有足够的空间";
inline constexpr const char* kTreeTooLongMessage = "目录名太长";
inline constexpr const char* kBackupFailedMessage = "备份失败!";
inline constexpr const char* kStillCopyingMessage = "照片还在复制,请稍候";
inline constexpr const char* kNoOrderNumberMessage = "今天的订单号已经用完,不能再开始新的制作";

class FolderLoad {
  public:
    // state, fs and disks outlive the load.
    FolderLoad(ProcessState& state, FileSystem& fs, DiskInfo& disks);
    ~FolderLoad();

    // Finds the photos of folder (only the selected ones, when there are
    // any). A message when the load cannot start: nothing to copy, or no
    // room on the backup disk; the job is then left as it was.
    const char* Check(const std::string& folder, const std::vector<std::string>& selected);
    // The day's folders; unless appending, a new local order number and an
    // empty work folder, and the job's photos dropped: emptying runs first,
    // so that no window shows one of them any more. False when the day has
    // no number left: nothing of the open job changes.
    bool OpenJob(bool appending, const std::function<void()>& emptying = nullptr);
    // Whether the tree itself fails the load (a path too long, a folder
    // that cannot be read); the load then ends with kBackupFailedMessage,
    // after *first when that is not null.
    bool TreeFails(const char** first) const;

    std::size_t PhotoCount() const { return count_; }
    // The names the photos had before they reached the station, by path.
    void GiveNames(std::map<std::string, std::string> names);
    // Copies made before the load, by path (BackupJob::madeCopies).
    void GiveCopies(MadeStationCopies made);
    // After a failed Copy: a photo's names did not fit the record.
    bool NamesTooLong() const;
    // On the worker: copies the tree into the work folder, the photos not
    // yet copied up to position `upTo`. After each photo, made sees the
    // records made so far, then the context steps. False at a failure or
    // when the context is stopped.
    bool Copy(JobContext& context, const std::function<void(const PhotoList& made)>& made,
              std::size_t upTo = SIZE_MAX);
    // Every photo of the tree is copied.
    bool Whole() const { return copied_ >= tree_.photos.size(); }
    // On the caller's thread, while no worker owns the job's list (a Copy
    // may go on): the copies made so far join the job.
    void Join();
    // Back on the caller's thread: the copies join the job, or, after a
    // failure, the job is emptied, and a job this load opened is given up
    // with its work folder. Returns ok.
    bool Finish(bool ok);
    // After a Copy failed behind the first page, and the customer chose to
    // go on: the photos copied whole so far are the job. Returns true.
    bool KeepMade();

  private:
    ProcessState& state_;
    FileSystem& fs_;
    DiskInfo& disks_;
    PhotoTree tree_;
    std::size_t count_ = 0;
    std::size_t copied_ = 0;   // photos of the tree copied so far
    std::int32_t joined_ = 0;  // records of the run that joined the job
    bool newJob_ = false;      // OpenJob made a new job
    std::unique_ptr<BackupJob> job_;
};

}  // namespace orelle
