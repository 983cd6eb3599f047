#pragma once
// Disks and file layers that fail on purpose: a backup disk of any size or
// kind, and copies that fail from the nth on (a full disk, a card pulled
// out) inside the real file system.

#include <atomic>
#include <functional>
#include <string>

#include "platform/files/FileSystem.h"
#include "platform/paths/BackupDisk.h"

namespace orelle::testing {

class FakeDisks : public DiskInfo {
  public:
    explicit FakeDisks(std::uint64_t freeMb = 50000, bool fixed = true)
        : freeMb_(freeMb), fixed_(fixed) {}
    bool Query(const std::string&, DiskFacts* facts) override {
        facts->fixed = fixed_;
        facts->freeBytes = freeMb_ << 20;
        facts->writable = writable;
        return true;
    }
    bool writable = true;

  private:
    std::uint64_t freeMb_;
    bool fixed_;
};

// A card reader with its card mounted at card; the rest is a roomy fixed
// disk.
class CardReader : public DiskInfo {
  public:
    explicit CardReader(std::string card) : card_(std::move(card)) {}
    bool Query(const std::string& folder, DiskFacts* facts) override {
        facts->removable = folder.starts_with(card_);
        facts->fixed = !facts->removable;
        facts->freeBytes = std::uint64_t{50000} << 20;
        return true;
    }

  private:
    std::string card_;
};

// The machine's files, except that CopyFile calls beforeCopy first and
// fails from call number failFrom on (1-based; 0: never), and that
// ReplaceFile fails while the disk is full.
class FailingCopies : public LocalFileSystem {
  public:
    int failFrom = 0;
    std::function<void(const std::string& from)> beforeCopy;
    std::atomic<int> copies{0};

    std::atomic<int> finished{0};
    // Files replaced whole (the order files) fail as on a full disk.
    std::atomic<bool> diskFull{false};

    bool ReplaceFile(const std::string& path, std::string_view contents) override {
        return !diskFull && LocalFileSystem::ReplaceFile(path, contents);
    }

    bool CopyFile(const std::string& from, const std::string& to) override {
        const int n = ++copies;
        if (beforeCopy) beforeCopy(from);
        const bool ok = !(failFrom > 0 && n >= failFrom) && LocalFileSystem::CopyFile(from, to);
        ++finished;
        return ok;
    }
};

}  // namespace orelle::testing
