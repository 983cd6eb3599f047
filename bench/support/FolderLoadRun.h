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

}  // namespace orelle::bench
