#pragma once
// A file system held in memory, for tests: fixed paths, no disk, and a
// switch that makes writes to chosen files fail.

#include <map>
#include <set>
#include <string>

#include "platform/files/FileSystem.h"

namespace orelle::testing {

class MemoryFileSystem : public FileSystem {
  public:
    bool ReadFile(const std::string& path, std::string* contents) override;
    bool ReplaceFile(const std::string& path, std::string_view contents) override;
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool DirectoryExists(const std::string& path) override;
    bool CreateDirectories(const std::string& path) override;
    bool RemoveFile(const std::string& path) override { return files.erase(path) != 0; }
    bool CopyNewFile(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end() || files.count(to) || refused.count(to)) return false;
        files[to] = it->second;
        return true;
    }
    bool CopyFile(const std::string& from, const std::string& to) override {
        auto it = files.find(from);
        if (it == files.end() || refused.count(to)) return false;
        files[to] = it->second;
        return true;
    }

    std::map<std::string, std::string> files;  // path -> bytes
    std::set<std::string> dirs;                // folders without a trailing separator
    std::set<std::string> refused;             // replacing these fails
    int replaceCount = 0;
};

}  // namespace orelle::testing
