#include "platform/paths/BackupDisk.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "platform/paths/Paths.h"

namespace orelle {
namespace {

// File systems that live on another machine: never a backup disk.
bool IsNetworkFileSystem(long type) {
    switch (static_cast<unsigned long>(type)) {
        case 0x6969UL:      // NFS
        case 0x517BUL:      // SMB
        case 0xFF534D42UL:  // CIFS
        case 0xFE534D42UL:  // SMB2
        case 0x564C:        // NCP
            return true;
        default:
            return false;
    }
}

std::string ReadLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// A block device on a USB bus, an SD card, or one that says it is
// removable. Devices without a block device (tmpfs, overlays) are local.
bool IsRemovableDevice(dev_t device) {
    const std::string link =
        "/sys/dev/block/" + std::to_string(major(device)) + ":" + std::to_string(minor(device));
    char resolved[PATH_MAX];
    if (::realpath(link.c_str(), resolved) == nullptr) return false;
    const std::string node(resolved);
    if (node.find("/usb") != std::string::npos) return true;
    // A partition's flags are those of its disk, one folder up.
    for (const std::string& dir : {node, std::string(paths::DirectoryPart(node))}) {
        if (ReadLine(dir + "/removable") == "1") return true;
        if (ReadLine(dir + "/device/type") == "SD") return true;
    }
    return false;
}

class LocalDiskInfo : public DiskInfo {
  public:
    bool Query(const std::string& folder, DiskFacts* facts) override {
        std::string existing = paths::WithoutTrailingSeparator(folder);
        struct stat st {};
        while (::stat(existing.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            const std::string parent(paths::DirectoryPart(existing));
            if (parent.empty() || parent == existing) {
                existing = "/";
                if (::stat(existing.c_str(), &st) != 0) return false;
                break;
            }
            existing = parent;
        }
        struct statfs fsInfo {};
        struct statvfs space {};
        if (::statfs(existing.c_str(), &fsInfo) != 0 || ::statvfs(existing.c_str(), &space) != 0)
            return false;
        facts->removable = IsRemovableDevice(st.st_dev);
        facts->fixed = !IsNetworkFileSystem(fsInfo.f_type) && !facts->removable;
        facts->freeBytes = static_cast<std::uint64_t>(space.f_bavail) * space.f_frsize;
        facts->writable = (space.f_flag & ST_RDONLY) == 0 && ::access(existing.c_str(), W_OK) == 0;
        return true;
    }
};

}  // namespace

DiskInfo& DiskInfo::Default() {
    static LocalDiskInfo disks;
    return disks;
}

bool HasBackupSpace(const std::string& root, DiskInfo& disks, std::uint64_t needBytes) {
    DiskFacts facts;
    return disks.Query(root, &facts) && facts.fixed &&
           (facts.freeBytes >> 20) >= kBackupMinFreeMb && facts.freeBytes >= needBytes;
}

}  // namespace orelle
