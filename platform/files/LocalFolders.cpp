// Folder walks and tree removal on the machine's file system.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

// The d_type of a stat mode, as far as it matters here.
unsigned char KindOf(mode_t mode) {
    if (S_ISLNK(mode)) return DT_LNK;
    if (S_ISDIR(mode)) return DT_DIR;
    return S_ISREG(mode) ? DT_REG : DT_UNKNOWN;
}

bool RemoveAt(int parent, const char* name);

// Removes everything in the open folder and closes it.
void EmptyFolder(int fd) {
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return;
    }
    // Names first: removing while reading may skip entries.
    std::vector<std::string> names;
    while (const dirent* d = ::readdir(dir)) {
        const std::string_view name = d->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
    for (const std::string& name : names) RemoveAt(fd, name.c_str());
    ::closedir(dir);
}

bool RemoveAt(int parent, const char* name) {
    struct stat st {};
    if (::fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
    if (S_ISDIR(st.st_mode)) {
        // A folder without write access keeps its entries.
        if ((st.st_mode & S_IRWXU) != S_IRWXU) ::fchmodat(parent, name, st.st_mode | S_IRWXU, 0);
        // O_NOFOLLOW: a folder swapped for a link meanwhile is not entered.
        const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) EmptyFolder(fd);
    }
    const int flags = S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0;
    return ::unlinkat(parent, name, flags) == 0 || errno == ENOENT;
}

// A call on the open folder; false when it cannot be opened.
bool OnFolder(const std::string& path, int (*call)(int fd)) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_DIRECTORY);
    if (fd < 0) return false;
    const bool ok = call(fd) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

bool LocalFileSystem::ListFolder(const std::string& path, std::vector<FolderEntry>* entries) {
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) return false;
    std::vector<FolderEntry> found;
    for (;;) {
        errno = 0;
        const dirent* d = ::readdir(dir);
        if (d == nullptr) break;
        FolderEntry e;
        e.name = d->d_name;
        if (e.name == "." || e.name == "..") continue;
        unsigned char kind = d->d_type;
        struct stat st {};
        bool stated = false;
        if (kind == DT_UNKNOWN) {  // file systems that do not tell
            if (::fstatat(::dirfd(dir), d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
            kind = KindOf(st.st_mode);
            stated = true;
        }
        if (kind == DT_LNK) {
            e.link = true;
            if (::fstatat(::dirfd(dir), d->d_name, &st, 0) != 0) continue;  // dangling
            kind = KindOf(st.st_mode);
            stated = true;
        }
        if (kind != DT_DIR && kind != DT_REG) continue;
        e.folder = kind == DT_DIR;
        // A file's size tells a load what room its copies take.
        if (!e.folder && !stated && ::fstatat(::dirfd(dir), d->d_name, &st, 0) != 0) continue;
        if (!e.folder) e.bytes = static_cast<std::uint64_t>(st.st_size);
        found.push_back(std::move(e));
    }
    const bool ok = errno == 0;
    ::closedir(dir);
    if (ok) *entries = std::move(found);
    return ok;
}

std::string LocalFileSystem::ResolvedPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return {};
    std::string out(resolved);
    std::free(resolved);
    return out;
}

bool LocalFileSystem::SyncFileSystem(const std::string& path) {
    // One call for all the copies of a load: far cheaper than a sync of
    // each file, and what `cp` followed by `sync` does.
    return OnFolder(path, ::syncfs);
}

bool LocalFileSystem::SyncFolder(const std::string& path) { return OnFolder(path, ::fsync); }

bool LocalFileSystem::RemoveTree(const std::string& path) {
    // A trailing separator would make a link to a folder count as the folder.
    return RemoveAt(AT_FDCWD, paths::WithoutTrailingSeparator(path).c_str());
}

}  // namespace orelle
