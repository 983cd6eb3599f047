#pragma once
// Which station works on a job: the one that holds the kernel's lock on
// the job's work folder (the file ".job.lock" in it), from the draw of the
// job's number until the process ends or takes another job. The kernel
// drops it with its process however that ends, so a job no running
// station holds is one that nobody will place any more.

#include <memory>
#include <string>

namespace orelle {

class FileLock;
class FileSystem;

inline constexpr const char* kJobLockName = ".job.lock";

// The lock of the work folder; nothing while another holds it.
std::unique_ptr<FileLock> HoldJobFolder(FileSystem& fs, const std::string& workFolder);

// A running station holds the job.
bool JobFolderHeld(FileSystem& fs, const std::string& workFolder);

}  // namespace orelle
