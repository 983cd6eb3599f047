#include "job/LeftJob.h"

#include <map>

#include "orderdata/OrderPaths.h"
#include "orderdata/OrderTimes.h"
#include "orderdata/PhotoIniReader.h"
#include "orderdata/ProcessState.h"
#include "orderdata/UnplacedJob.h"
#include "platform/clock/Clock.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

std::string RecordPath(const ProcessState& state, FileSystem& fs) {
    return StationJobPath(
        StationFolder(state.startup.config.dir, state.startup.settingsFolder, fs));
}

std::optional<PhotoIniContent> ReadJobFile(const StationJob& left, const ProcessState& state,
                                           FileSystem& fs) {
    std::string bytes;
    const OrderPaths paths{state.startup.config.dir, left.dateStr};
    if (!fs.ReadFile(paths.PhotoIni(left.storeDDH), &bytes)) return std::nullopt;
    return ParsePhotoIni(bytes);
}

}  // namespace

std::optional<StationJob> FindLeftJob(ProcessState& state, const Services& services) {
    FileSystem& fs = services.files;
    const std::string path = RecordPath(state, fs);
    std::optional<StationJob> left = ReadStationJob(path, fs);
    if (!left) return std::nullopt;
    const OrderPaths paths{state.startup.config.dir, left->dateStr};
    const std::optional<PhotoIniContent> file = ReadJobFile(*left, state, fs);
    const bool open = file && !file->placed && !file->records.empty() &&
                      !ReadJobMark(paths, left->storeDDH, fs).placed;
    const std::int64_t age = LocalSeconds(services.clock.Now()) - LocalSeconds(left->changed);
    const ParamConfig& config = state.startup.config;
    if (open && age >= 0 && age <= std::int64_t{config.recoveryMinutes} * 60) return left;
    fs.RemoveFile(path);
    if (open && config.keepunplaced > 0 && age > std::int64_t{config.keepunplaced} * 3600)
        RemoveUnplacedJob(paths, left->storeDDH, fs);
    return std::nullopt;
}

bool LoadLeftJob(const StationJob& left, ProcessState& state, FileSystem& fs) {
    std::optional<PhotoIniContent> file = ReadJobFile(left, state, fs);
    if (!file || file->placed || file->records.empty()) return false;
    std::map<std::string, const StationJob::Origin*> origins;
    for (const StationJob::Origin& o : left.origins) origins.emplace(o.srcName, &o);
    ForgetJob(state);
    for (std::unique_ptr<PhotoRecord>& r : file->records) {
        if (const auto o = origins.find(r->srcName); o != origins.end()) {
            r->origName = o->second->origName;
            r->origDir = o->second->origDir;
            r->origPath = o->second->origPath;
            r->frameTurned = o->second->frameTurned;
        }
        if (!r->origDir.empty()) state.dirList.AddIfAbsent(r->origDir);
        state.photoList.Append(std::move(r));
    }
    OrderInfo& info = state.orderInfo;
    info.storeDDH = left.storeDDH;
    info.historyID = left.historyID != 0 ? left.historyID : file->historyID;
    const OrderPaths paths{state.startup.config.dir, left.dateStr};
    info.backupDir = paths::WithTrailingSeparator(paths.WorkFolder(left.storeDDH));
    info.frate = file->frate;
    // The job is filed under its own day, as the station that began it
    // went on past midnight.
    state.startup.date.dateStr = left.dateStr;
    if (!left.datePrefix.empty()) state.startup.date.datePrefix = left.datePrefix;
    return true;
}

void GiveUpLeftJob(const StationJob& left, const ProcessState& state, FileSystem& fs) {
    RemoveUnplacedJob(OrderPaths{state.startup.config.dir, left.dateStr}, left.storeDDH, fs);
    fs.RemoveFile(RecordPath(state, fs));
}

}  // namespace orelle
