#include "job/JobJournal.h"

#include "orderdata/ProcessState.h"
#include "platform/clock/Clock.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {

JobJournal::JobJournal(ProcessState& state, const Services& services)
    : state_(state), services_(services) {}

JobJournal::~JobJournal() = default;

std::string JobJournal::Path() {
    if (path_.empty()) {
        const std::string folder = StationFolder(state_.startup.config.dir,
                                                 state_.startup.settingsFolder, services_.files);
        path_ = StationJobPath(folder);
        lockPath_ = StationLockPath(folder);
    }
    return path_;
}

StationJob JobJournal::Record(std::int32_t page, std::int32_t big) {
    const OrderInfo& info = state_.orderInfo;
    const LocalTime now = services_.clock.Now();
    if (job_ != info.storeDDH) {
        job_ = info.storeDDH;
        started_ = now;
    }
    StationJob record;
    record.dateStr = state_.startup.date.dateStr;
    record.datePrefix = state_.startup.date.datePrefix;
    record.storeDDH = info.storeDDH;
    record.historyID = info.historyID;
    record.started = started_;
    record.changed = now;
    record.page = page;
    record.big = big;
    record.minutes = state_.startup.config.recoveryMinutes;
    const PhotoList& list = state_.photoList;
    record.photos = list.GetSize();
    record.origins.reserve(static_cast<std::size_t>(list.GetSize()));
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        const PhotoRecord& r = list.At(i);
        record.origins.push_back({r.srcName, r.origName, r.origDir, r.origPath, r.frameTurned});
    }
    return record;
}

bool JobJournal::Write(const StationJob& record, bool flush) {
    const std::string path = Path();
    if (!running_) {
        services_.files.CreateDirectories(std::string(paths::DirectoryPart(path)));
        running_ = services_.files.TryLockFile(lockPath_);
    }
    written_ = true;
    return WriteStationJob(path, record, services_.files, flush);
}

void JobJournal::Flush() {
    if (written_) services_.files.SyncFileSystem(Path());
}

void JobJournal::Clear() {
    if (!written_) return;
    // Gone for good: a power cut must not bring back a job its customer
    // ended.
    services_.files.RemoveFile(Path());
    services_.files.SyncFileSystem(std::string(paths::DirectoryPart(Path())));
    written_ = false;
    job_.clear();
}

void JobJournal::Adopt(const StationJob& left) {
    job_ = left.storeDDH;
    started_ = left.started;
}

}  // namespace orelle
