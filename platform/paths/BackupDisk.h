#pragma once
// What the backup rule asks of the disk below a folder: whether it is a
// fixed disk of this machine (not removable, not on the network) and how
// much space it has free. Behind an interface so that tests can stand in
// any disk.

#include <cstdint>
#include <string>

namespace orelle {

struct DiskFacts {
    bool fixed = false;
    std::uint64_t freeBytes = 0;
    // The folder (or its nearest existing parent) takes new files: not a
    // read-only mount, and this user may write there.
    bool writable = true;
    // Media that a customer brings and takes away: a card, a stick, a disc.
    bool removable = false;
};

class DiskInfo {
  public:
    virtual ~DiskInfo() = default;
    // The disk of folder, or of its nearest existing parent folder when it
    // does not exist yet. False when nothing can be learnt about it.
    virtual bool Query(const std::string& folder, DiskFacts* facts) = 0;

    static DiskInfo& Default();
};

inline constexpr std::uint64_t kBackupMinFreeMb = 1000;

// Photos are only copied to a fixed disk with at least kBackupMinFreeMb
// megabytes (free bytes shifted right by 20) free, and with room for the
// copies to make (needBytes).
bool HasBackupSpace(const std::string& root, DiskInfo& disks, std::uint64_t needBytes = 0);

}  // namespace orelle
