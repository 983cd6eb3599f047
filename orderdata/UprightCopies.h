#pragma once
// The job's copies that the load stored turned (a phone's EXIF orientation),
// made upright in their place (CustomerJob turns them ahead, on a worker of
// the lowest priority, and at the latest before an order names them). Only
// copies inside the job's work folder are ever touched, never a customer's
// own file.

#include <atomic>
#include <string>
#include <vector>

namespace orelle {

class FileSystem;
class PhotoList;

// The copies of the list inside workFolder, in the list's order.
std::vector<std::string> JobCopies(const PhotoList& list, const std::string& workFolder);

// Turns those of the copies that are stored turned; stops before the next
// copy once stop is set (kGoOn: never). Returns how many were turned.
inline const std::atomic<bool> kGoOn{false};
int MakeCopiesUpright(FileSystem& fs, const std::vector<std::string>& copies,
                      const std::atomic<bool>& stop);

}  // namespace orelle
