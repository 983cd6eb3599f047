#include "support/MemoryFileSystem.h"

#include "platform/paths/Paths.h"

namespace orelle::testing {

bool MemoryFileSystem::ReadFile(const std::string& path, std::string* contents) {
    auto it = files.find(path);
    if (it == files.end()) return false;
    *contents = it->second;
    return true;
}

bool MemoryFileSystem::ReplaceFile(const std::string& path, std::string_view contents) {
    ++replaceCount;
    if (refused.count(path) != 0) return false;
    if (!DirectoryExists(std::string(paths::DirectoryPart(path)))) return false;
    files[path] = std::string(contents);
    return true;
}

bool MemoryFileSystem::DirectoryExists(const std::string& path) {
    std::string dir = paths::WithoutTrailingSeparator(path);
    return dir.empty() || dirs.count(dir) != 0;
}

bool MemoryFileSystem::CreateDirectories(const std::string& path) {
    std::string dir = paths::WithoutTrailingSeparator(path);
    while (!dir.empty()) {
        dirs.insert(dir);
        dir = std::string(paths::DirectoryPart(dir));
    }
    return true;
}

}  // namespace orelle::testing
