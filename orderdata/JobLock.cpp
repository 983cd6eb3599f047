#include "orderdata/JobLock.h"

#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {

std::unique_ptr<FileLock> HoldJobFolder(FileSystem& fs, const std::string& workFolder) {
    return fs.TryLockFile(paths::Join(workFolder, kJobLockName));
}

bool JobFolderHeld(FileSystem& fs, const std::string& workFolder) {
    // A station makes the file when it takes the job: a folder without it
    // is held by nobody, and looking leaves nothing behind.
    const std::string lock = paths::Join(workFolder, kJobLockName);
    return fs.FileExists(lock) && fs.TryLockFile(lock) == nullptr;
}

}  // namespace orelle
