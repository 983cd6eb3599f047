#include "orderdata/WorkFolderSweep.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "orderdata/DayIndex.h"
#include "orderdata/JobLock.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/OrderTimes.h"
#include "orderdata/StationJob.h"
#include "orderdata/UnplacedJob.h"
#include "platform/files/FileSystem.h"
#include "platform/ini/IniDocument.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

constexpr std::int64_t kDay = 24 * 3600;

std::vector<FolderEntry> Folders(const std::string& path, FileSystem& fs) {
    std::vector<FolderEntry> entries;
    std::vector<FolderEntry> folders;
    if (!fs.ListFolder(path, &entries)) return folders;
    for (FolderEntry& e : entries)
        if (e.folder && !e.link) folders.push_back(std::move(e));
    return folders;
}

// A placed order's folder, if the day's index still says it is placed.
bool RemovePlacedFolder(const OrderPaths& paths, const std::string& job, FileSystem& fs) {
    const std::unique_ptr<FileLock> lock = LockDay(paths, fs);
    if (!lock || !ReadJobMark(paths, job, fs).placed) return false;
    const std::string folder = paths.WorkFolder(job);
    return fs.DirectoryExists(folder) && fs.RemoveTree(folder);
}

struct Sweep {
    const KeepRules& rules;
    std::int64_t now;
    const HeldJobs& held;
    FileSystem& fs;
    SweepCount count;

    bool Older(std::int64_t since, std::int64_t limit) const { return now - since > limit; }

    void Day(const OrderPaths& paths, std::int64_t dayStart, bool today) {
        std::string bytes;
        fs.ReadFile(paths.OrderIni(), &bytes);
        std::set<std::string> named;
        for (const DayEntry& e : DayEntries(IniDocument::Parse(bytes))) {
            const std::string& job = e.job;
            if (job.empty() || !named.insert(job).second) continue;
            const auto at = ParseOrderTime(e.submitDate, e.submitTime);
            const std::int64_t since = at ? LocalSeconds(*at) : dayStart;
            if (e.marked) {
                if (rules.keepDays > 0 && !today && Older(since, rules.keepDays * kDay) &&
                    RemovePlacedFolder(paths, job, fs))
                    ++count.placed;
                continue;
            }
            Unplaced(paths, job, since);
        }
        // Folders no section names: loads cut off before their first write.
        for (const FolderEntry& folder : Folders(paths.DayFolder(), fs))
            if (!named.contains(folder.name)) Unplaced(paths, folder.name, dayStart + kDay);
    }

    void Unplaced(const OrderPaths& paths, const std::string& job, std::int64_t since) {
        // A station still placing or loading it holds its folder's lock.
        if (rules.keepUnplacedHours <= 0 || held.contains({paths.dateStr, job}) ||
            !Older(since, std::int64_t{rules.keepUnplacedHours} * 3600) ||
            JobFolderHeld(fs, paths.WorkFolder(job)))
            return;
        // A placed one is refused, and left as it is.
        if (fs.DirectoryExists(paths.WorkFolder(job)) && RemoveUnplacedJob(paths, job, fs))
            ++count.unplaced;
    }
};

std::uint64_t TreeBytes(const std::string& path, FileSystem& fs) {
    std::vector<FolderEntry> entries;
    if (!fs.ListFolder(path, &entries)) return 0;
    std::uint64_t bytes = 0;
    for (const FolderEntry& e : entries) {
        if (e.link) continue;
        bytes += e.folder ? TreeBytes(paths::Join(path, e.name), fs) : e.bytes;
    }
    return bytes;
}

}  // namespace

HeldJobs FindHeldJobs(const std::string& root, const LocalTime& now, FileSystem& fs) {
    HeldJobs held;
    const std::string stations = StationsFolder(root);
    for (const FolderEntry& station : Folders(stations, fs)) {
        const std::string folder = paths::Join(stations, station.name);
        const std::optional<StationJob> job = ReadStationJob(StationJobPath(folder), fs);
        if (!job) continue;
        const std::string lockPath = StationLockPath(folder);
        const bool running = fs.FileExists(lockPath) && !fs.TryLockFile(lockPath);
        const bool resumable =
            LocalSeconds(now) - LocalSeconds(job->changed) <= std::int64_t{job->minutes} * 60;
        if (running || resumable) held.emplace(job->dateStr, job->storeDDH);
    }
    return held;
}

SweepCount SweepWorkFolders(const std::string& root, const std::string& today,
                            const KeepRules& rules, const LocalTime& now, FileSystem& fs) {
    const HeldJobs held = FindHeldJobs(root, now, fs);
    Sweep sweep{rules, LocalSeconds(now), held, fs, {}};
    for (const FolderEntry& day : Folders(root, fs)) {
        const std::optional<LocalTime> date = ParseOrderTime(day.name);
        if (!date) continue;  // not a day: the phone's and the stations' folders
        sweep.Day(OrderPaths{root, day.name}, LocalSeconds(*date), day.name == today);
    }
    return sweep.count;
}

RootUsage MeasureBackupRoot(const std::string& root, FileSystem& fs) {
    RootUsage usage;
    for (const FolderEntry& day : Folders(root, fs)) {
        if (!ParseOrderTime(day.name)) continue;
        ++usage.days;
        usage.bytes += TreeBytes(paths::Join(root, day.name), fs);
    }
    return usage;
}

}  // namespace orelle
