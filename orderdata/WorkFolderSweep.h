#pragma once
// How long the customers' photos stay below the backup root. A day folder
// (named by its dateStr) holds the work folders of the day's jobs:
// - a placed order's folder goes once the order was placed more than
//   keepDays days ago (0: kept for ever), never one of today;
// - a job never placed goes once its last change is more than
//   keepUnplacedHours hours ago (0: kept for ever), unless a station holds
//   it: the running station whose record names it, or a station not
//   running whose record may still resume it (StationJob). A folder that
//   no section names (a load cut off) counts from the end of its day.
// Each removal is made under the day's lock, on the files as they are
// then; several stations may sweep one root at once.

#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "platform/clock/Clock.h"

namespace orelle {

class FileSystem;

struct KeepRules {
    std::int32_t keepDays = 0;
    std::int32_t keepUnplacedHours = 24;
};

struct SweepCount {
    int placed = 0;    // placed orders' folders removed
    int unplaced = 0;  // jobs never placed removed
};

// (dateStr, storeDDH) of the jobs that stations hold.
using HeldJobs = std::set<std::pair<std::string, std::string>>;
HeldJobs FindHeldJobs(const std::string& root, const LocalTime& now, FileSystem& fs);

// today: the station's dateStr.
SweepCount SweepWorkFolders(const std::string& root, const std::string& today,
                            const KeepRules& rules, const LocalTime& now, FileSystem& fs);

// The day folders below root and the room all their files take.
struct RootUsage {
    int days = 0;
    std::uint64_t bytes = 0;
};
RootUsage MeasureBackupRoot(const std::string& root, FileSystem& fs);

}  // namespace orelle
