#pragma once
// Copying the customer's photos into the job's work folder, with a record
// for every copy: the folder load's mirrored tree, and the numbered copies
// of photos appended later. Runs on a worker. The records and folders it
// makes are kept here until the caller joins them to the job's lists on
// its own thread, so that only photos copied whole ever join the job and
// the worker never touches what the windows read. The customer's files are
// only read.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "orderdata/DirList.h"
#include "orderdata/PhotoList.h"
#include "orderdata/PhotoRecordFactory.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/imaging/StationCopy.h"

namespace orelle {

class DiskInfo;
class FileSystem;
struct PhotoTree;

inline constexpr std::size_t kMaxAppendPathBytes = 238;

inline constexpr const char* kAppendTooLongQuestion = "目录名太长,处理失败!继续吗?";
inline constexpr const char* kAppendCopyFailedQuestion = "拷贝文件出错继续吗?";

struct AppendOutcome {
    bool completed = false;      // every position of the list was handled
    std::int32_t positions = 0;  // positions used, the one stopped at included
};

class BackupJob {
  public:
    // A question to the customer: true goes on with the next file.
    using Ask = std::function<bool(const char* question)>;

    BackupJob(FileSystem& fs, DiskInfo& disks, const PrintCatalogue& catalogue,
              std::int32_t edition);

    // Set from any thread: the run stops before its next file.
    std::atomic<bool> stop{false};
    // Called after each photo, on the worker.
    std::function<void()> step;
    // The names photos had before they reached the station (a phone's),
    // by the path they are copied from: their records show them, and as
    // the customer chose them there they are ordered before any page
    // shows them.
    std::map<std::string, std::string> givenNames;
    // Copies made before the run (a phone visit's conversions), by the
    // path they are copied from: each is asked for once and, when given,
    // written instead of being made again.
    MadeStationCopies madeCopies;

    // The folder load: every photo of the tree to workFolder plus its
    // copy folder, under its copy name made unique in that folder (".jpg"
    // for a JPEG made from another kind), and a record (size 3, one print,
    // crop; no print for a phone photo that could not be converted) with
    // a dstName unique in the job. False at the first failure or stop.
    // A run may copy the tree in parts, photos [from, to) each, in order:
    // the names are those of one run, and the copies are flushed once, by
    // the part that reaches the tree's end.
    bool CopyTree(const PhotoTree& tree, const std::string& workFolder, std::size_t from = 0,
                  std::size_t to = SIZE_MAX);
    // From another thread while a run goes on: copies of the records made
    // from position `from` on, appended to into, with the folders; returns
    // how many records there are now.
    std::int32_t CopyMade(std::int32_t from, PhotoList& into, DirList& intoDirs);

    // Appending: files[i] to backupDir + (openNumber + i) + ".jpg", each
    // with a record of the given defaults, also a photo the job holds
    // already (a second print of it, as a copy makes). A copy that gets no
    // record (the run given up meanwhile) is removed. ask decides after a
    // path that is too long or a failed copy. Its records are browsed from
    // the start.
    AppendOutcome CopyList(const std::vector<std::string>& files, const std::string& backupDir,
                           std::int32_t openNumber, const RecordDefaults& defaults, const Ask& ask);

    // The edition rule of the copy: the database and web editions always
    // copy; another edition leaves a photo that is already on a fixed disk
    // of the station where it is. True with the copy made, or with the
    // photo left in place (then *used is the source, else the target).
    // The copy is the station's own (StationCopy): turned upright, or a
    // JPEG made from a phone's HEIF or PNG photo; such a photo is never
    // left in place. *refused, when given: a phone photo that could not
    // be converted, copied as it is.
    bool CopyPhoto(const std::string& from, const std::string& to, std::string* used,
                   bool* refused = nullptr);

    // What this run made, for the caller to join to the job once the run
    // is over.
    PhotoList records;
    DirList dirs;
    // Before then, from another thread: stops the run and takes what it
    // made so far; a copy under way adds nothing more, and the taker
    // syncs what it took.
    void TakeMade(PhotoList& made, DirList& madeDirs);
    // A run failed on a record whose texts do not fit their fields.
    bool fieldTooLong = false;

  private:
    AppendOutcome CopyEach(const std::vector<std::string>& files, const std::string& backupDir,
                           std::int32_t openNumber, const RecordDefaults& defaults, const Ask& ask);
    bool Taken();
    StationCopy Prepare(const std::string& source);
    bool WriteCopy(const StationCopy& station, const std::string& from, const std::string& to);
    bool AddRecord(const std::string& copy, const std::string& dstName,
                   const std::string& customerPath, const RecordDefaults& defaults);

    FileSystem& fs_;
    DiskInfo& disks_;
    // Its own: a run given up may outlive the station's settings.
    const PrintCatalogue catalogue_;
    std::mutex madeMutex_;  // records, dirs and taken_, once a run may be given up
    bool taken_ = false;
    std::int32_t edition_;
    // Per file name, the first number a repeat of it may take: camera
    // folders repeat names, and a load only adds names.
    std::unordered_map<std::string, int> nextNumber_;
    std::string UniqueCopyName(const std::string& folder, const std::string& name);
    // The copies' paths so far, and per path the last number tried.
    std::unordered_set<std::string> copyNames_;
    std::unordered_map<std::string, int> nextCopyNumber_;
};

}  // namespace orelle
