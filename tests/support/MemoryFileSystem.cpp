#include "support/MemoryFileSystem.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "platform/paths/Paths.h"

namespace orelle::testing {
namespace {

using Lock = std::lock_guard<std::mutex>;

// The key of a folder: no trailing separator, and "" for the top.
std::string FolderKey(const std::string& path) {
    std::string dir = paths::WithoutTrailingSeparator(path);
    return dir.size() == 1 && dir[0] == paths::kSeparator ? std::string() : dir;
}

const std::string& PathOf(const std::string& path) { return path; }
const std::string& PathOf(const std::pair<const std::string, std::string>& file) {
    return file.first;
}

// The paths in the set or map at or below the folder key.
template <typename Container>
std::vector<std::string> AtOrBelow(const Container& all, const std::string& key) {
    std::vector<std::string> out;
    if (all.count(key) != 0) out.push_back(key);
    const std::string prefix = key + paths::kSeparator;
    for (auto it = all.lower_bound(prefix); it != all.end(); ++it) {
        if (PathOf(*it).compare(0, prefix.size(), prefix) != 0) break;
        out.push_back(PathOf(*it));
    }
    return out;
}

}  // namespace

MemoryFileSystem::MemoryFileSystem(const MemoryFileSystem& other) : FileSystem(other) {
    *this = other;
}

MemoryFileSystem& MemoryFileSystem::operator=(const MemoryFileSystem& other) {
    if (this == &other) return *this;
    std::scoped_lock lock(mutex_, other.mutex_);
    files = other.files;
    dirs = other.dirs;
    refused = other.refused;
    replaceCount = other.replaceCount;
    return *this;
}

bool MemoryFileSystem::HasFolder(const std::string& path) const {
    const std::string dir = FolderKey(path);
    return dir.empty() || dirs.count(dir) != 0;
}

bool MemoryFileSystem::ReadFile(const std::string& path, std::string* contents) {
    Lock lock(mutex_);
    auto it = files.find(path);
    if (it == files.end()) return false;
    *contents = it->second;
    return true;
}

bool MemoryFileSystem::ReplaceFile(const std::string& path, std::string_view contents) {
    Lock lock(mutex_);
    ++replaceCount;
    if (refused.count(path) != 0) return false;
    if (!HasFolder(std::string(paths::DirectoryPart(path)))) return false;
    files[path] = std::string(contents);
    return true;
}

bool MemoryFileSystem::FileExists(const std::string& path) {
    Lock lock(mutex_);
    return files.count(path) != 0;
}

bool MemoryFileSystem::DirectoryExists(const std::string& path) {
    Lock lock(mutex_);
    return HasFolder(path);
}

bool MemoryFileSystem::CreateDirectories(const std::string& path) {
    Lock lock(mutex_);
    std::string dir = FolderKey(path);
    while (!dir.empty()) {
        dirs.insert(dir);
        dir = std::string(paths::DirectoryPart(dir));
    }
    return true;
}

bool MemoryFileSystem::RemoveFile(const std::string& path) {
    Lock lock(mutex_);
    return files.erase(path) != 0;
}

bool MemoryFileSystem::CopyNewFile(const std::string& from, const std::string& to) {
    Lock lock(mutex_);
    auto it = files.find(from);
    if (it == files.end() || files.count(to) || refused.count(to)) return false;
    files[to] = it->second;
    return true;
}

bool MemoryFileSystem::CopyFile(const std::string& from, const std::string& to) {
    Lock lock(mutex_);
    auto it = files.find(from);
    if (it == files.end() || refused.count(to)) return false;
    files[to] = it->second;
    return true;
}

namespace {

class HeldPath final : public FileLock {
  public:
    HeldPath(std::shared_ptr<std::multiset<std::string>> held, std::mutex& mutex, std::string path)
        : held_(std::move(held)), mutex_(mutex), path_(std::move(path)) {}
    ~HeldPath() override {
        std::lock_guard<std::mutex> lock(mutex_);
        held_->erase(held_->find(path_));
    }

  private:
    std::shared_ptr<std::multiset<std::string>> held_;
    std::mutex& mutex_;
    std::string path_;
};

}  // namespace

std::unique_ptr<FileLock> MemoryFileSystem::LockFile(const std::string& path) {
    Lock lock(mutex_);
    files.emplace(path, "");  // made when missing, as the machine's lock file is
    held_->insert(path);
    return std::make_unique<HeldPath>(held_, mutex_, path);
}

std::unique_ptr<FileLock> MemoryFileSystem::TryLockFile(const std::string& path) {
    {
        Lock lock(mutex_);
        if (held_->contains(path) || heldElsewhere.contains(path)) return nullptr;
    }
    return LockFile(path);
}

bool MemoryFileSystem::ListFolder(const std::string& path, std::vector<FolderEntry>* entries) {
    Lock lock(mutex_);
    const std::string key = FolderKey(path);
    if (!HasFolder(key)) return false;
    std::vector<FolderEntry> found;
    auto add = [&](const std::string& child, bool folder, std::uint64_t bytes) {
        if (child != key && paths::DirectoryPart(child) == key) {
            found.push_back({std::string(paths::FileNamePart(child)), folder, false, bytes});
        }
    };
    for (const std::string& f : AtOrBelow(files, key)) add(f, false, files.at(f).size());
    for (const std::string& d : AtOrBelow(dirs, key)) add(d, true, 0);
    *entries = std::move(found);
    return true;
}

std::string MemoryFileSystem::ResolvedPath(const std::string& path) {
    const std::string out = paths::WithoutTrailingSeparator(
        std::filesystem::path(path).lexically_normal().generic_string());
    Lock lock(mutex_);
    if (files.count(out) == 0 && !HasFolder(out)) return {};
    return out;
}

bool MemoryFileSystem::RemoveTree(const std::string& path) {
    Lock lock(mutex_);
    const std::string key = FolderKey(path);
    if (key.empty()) {
        files.clear();
        dirs.clear();
        return true;
    }
    for (const std::string& f : AtOrBelow(files, key)) files.erase(f);
    for (const std::string& d : AtOrBelow(dirs, key)) dirs.erase(d);
    return true;
}

bool MemoryFileSystem::ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                                    std::string* bytes) {
    Lock lock(mutex_);
    auto it = files.find(path);
    if (it == files.end()) return false;
    const std::string& all = it->second;
    *bytes = offset < all.size() ? all.substr(static_cast<std::size_t>(offset), size) : "";
    return true;
}

}  // namespace orelle::testing
