#pragma once
// The station's own record of the customer's job it holds, so that the
// job outlives a crash or a power cut: <root>/stations/<station>/job.ini
// (StationName), GBK, CR LF, written whole and flushed to the disk:
//
//   [job]
//   day=<dateStr>  prefix=<datePrefix>  storeDDH=<work folder>  historyID=<n>
//   started=<y-m-d h:mm:ss>  changed=<y-m-d h:mm:ss>
//   page=<first photo shown>  big=<photo in the big view, -1: none>
//   minutes=<how long after changed the job may be resumed>
//   photos=<records>
//   [1] ... [photos]
//   srcName=  origName=  origDir=  origPath=  frameTurned=
//
// The numbered sections keep what photo.ini does not hold of a record, by
// its copy. Only its station writes it; while the station runs it holds
// the lock running.lock beside it, so that no other station takes its job
// for a left one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock/Clock.h"

namespace orelle {

class FileSystem;

struct StationJob {
    struct Origin {
        std::string srcName;
        std::string origName;
        std::string origDir;
        std::string origPath;
        std::int32_t frameTurned = 0;
    };

    std::string dateStr;
    std::string datePrefix;
    std::string storeDDH;
    std::int32_t historyID = 0;
    LocalTime started;
    LocalTime changed;
    std::int32_t page = 0;
    std::int32_t big = -1;
    std::int32_t minutes = 0;
    std::int32_t photos = 0;
    std::vector<Origin> origins;
};

// <root>/stations/, and the station's folder below it.
std::string StationsFolder(const std::string& root);
std::string StationFolder(const std::string& root, const std::string& settingsFolder,
                          FileSystem& fs);
std::string StationJobPath(const std::string& stationFolder);
std::string StationLockPath(const std::string& stationFolder);

std::string FormatStationJob(const StationJob& job);
// Nothing when the file is missing or names no job.
std::optional<StationJob> ReadStationJob(const std::string& path, FileSystem& fs);
// Replaced whole; with flush, everything written to its file system is on
// the disk before it returns.
bool WriteStationJob(const std::string& path, const StationJob& job, FileSystem& fs,
                     bool flush = true);

}  // namespace orelle
