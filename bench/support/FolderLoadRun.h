#pragma once
// A folder load as the station runs it: a photo window on a plain host,
// the backup root below the benchmark's scratch folder.

#include <string>

namespace orelle::bench {

// Seconds from LoadFolder to the first page shown (cells filled, order
// files written), or a negative value when the load did not make a job of
// `expected` photos. The backup root is emptied first, outside the time.
double TimeFolderLoad(const std::string& folder, const std::string& backupRoot, int expected);

// Removes a folder and everything in it, then lets the disk settle (sync),
// so that one run's writeback does not weigh on the next.
void RemoveAndSettle(const std::string& folder);

// The median seconds of `rounds` folder loads of card (backup root below
// base) and of as many cp -r and sync of it, measured in turn, the order
// alternating; false when a run failed.
bool FolderLoadAgainstCp(const std::string& card, const std::string& base, int expected,
                         int rounds, double* load, double* cp);

// Marks a generated card complete, so that later runs keep it.
bool MarkComplete(const std::string& done);

}  // namespace orelle::bench
