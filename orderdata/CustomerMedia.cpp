#include "orderdata/CustomerMedia.h"

#include "platform/files/FileSystem.h"
#include "platform/paths/BackupDisk.h"
#include "platform/paths/Paths.h"

namespace orelle {

bool OnRemovableMedia(const std::string& folder, FileSystem& fs, DiskInfo& disks) {
    DiskFacts facts;
    return !folder.empty() && fs.DirectoryExists(folder) && disks.Query(folder, &facts) &&
           facts.removable;
}

std::string CardReminder(const std::string& openedFolder, FileSystem& fs, DiskInfo& disks) {
    return OnRemovableMedia(openedFolder, fs, disks) ? kTakeCardBack : "";
}

bool MayStartPickerIn(const std::string& folder, const std::string& backupRoot, FileSystem& fs,
                      DiskInfo& disks) {
    return !folder.empty() && !OnRemovableMedia(folder, fs, disks) &&
           !InBackupRoot(folder, backupRoot, fs);
}

bool InBackupRoot(const std::string& folder, const std::string& backupRoot, FileSystem& fs) {
    // Compared as resolved, so that no link or ".." leads around it.
    std::string root = fs.ResolvedPath(backupRoot);
    if (root.empty()) root = backupRoot;
    std::string resolved = fs.ResolvedPath(folder);
    if (resolved.empty()) resolved = folder;
    return paths::WithTrailingSeparator(resolved).starts_with(paths::WithTrailingSeparator(root));
}

}  // namespace orelle
