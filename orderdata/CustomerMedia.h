#pragma once
// What the station keeps of where a customer's photos came from: nothing
// that the next customer could open. The folder picker never starts in a
// folder on removable media (a card, a stick, a disc) nor below the backup
// root (phone visits' folders, earlier customers' copies); a job opened
// from removable media that is still mounted ends with a reminder to take
// it back.

#include <string>

namespace orelle {

class DiskInfo;
class FileSystem;

inline constexpr const char* kTakeCardBack = "请取回您的存储卡";

// The folder exists and lies on removable media.
bool OnRemovableMedia(const std::string& folder, FileSystem& fs, DiskInfo& disks);

// kTakeCardBack when the job's folder is on removable media still mounted;
// otherwise empty.
std::string CardReminder(const std::string& openedFolder, FileSystem& fs, DiskInfo& disks);

// The folder is the backup root or below it, also through a link or "..".
bool InBackupRoot(const std::string& folder, const std::string& backupRoot, FileSystem& fs);

// The folder picker may start in folder: not on removable media, not below
// the backup root.
bool MayStartPickerIn(const std::string& folder, const std::string& backupRoot, FileSystem& fs,
                      DiskInfo& disks);

}  // namespace orelle
