#pragma once
// A file system held in memory, for tests: fixed paths, no disk, no links,
// and a switch that makes writes to chosen files fail. Its calls may come
// from any thread; the fields are for a test to set up and look at while
// no call runs.

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "platform/files/FileSystem.h"

namespace orelle::testing {

class MemoryFileSystem : public FileSystem {
  public:
    MemoryFileSystem() = default;
    // Copies take the contents, each with a lock of its own.
    MemoryFileSystem(const MemoryFileSystem& other);
    MemoryFileSystem& operator=(const MemoryFileSystem& other);

    bool ReadFile(const std::string& path, std::string* contents) override;
    bool ReplaceFile(const std::string& path, std::string_view contents) override;
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool CreateDirectories(const std::string& path) override;
    // Locks never wait: a lock held here (or named in heldElsewhere) is
    // refused to TryLockFile, as another process's would be.
    std::unique_ptr<FileLock> LockFile(const std::string& path) override;
    std::unique_ptr<FileLock> TryLockFile(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyNewFile(const std::string& from, const std::string& to) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries) override;
    // The path with "." and ".." worked out; empty when nothing is there.
    std::string ResolvedPath(const std::string& path) override;
    bool RemoveTree(const std::string& path) override;
    bool SyncFileSystem(const std::string&) override { return true; }
    bool ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                      std::string* bytes) override;

    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> dirs;                // folders without a trailing separator
    std::set<std::string> refused;             // replacing these fails
    int replaceCount = 0;
    std::set<std::string> heldElsewhere;

  private:
    bool HasFolder(const std::string& path) const;

    mutable std::mutex mutex_;
    std::shared_ptr<std::multiset<std::string>> held_ =
        std::make_shared<std::multiset<std::string>>();
};

}  // namespace orelle::testing
