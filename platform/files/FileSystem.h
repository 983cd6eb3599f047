#pragma once
// The one door to files and folders. Paths are UTF-8 texts with the
// platform's separator. Every operation reports failure by its result and
// never throws. Implementations must be safe to call from any thread.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orelle {

// Held while alive; see FileSystem::LockFile.
class FileLock {
  public:
    virtual ~FileLock() = default;
};

struct FolderEntry {
    std::string name;
    bool folder = false;      // otherwise a regular file
    bool link = false;        // reached through a symbolic link
    std::uint64_t bytes = 0;  // a file's size
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // False when the file is missing or cannot be read.
    virtual bool ReadFile(const std::string& path, std::string* contents) = 0;
    // Replaces the file whole: the new contents are written beside it,
    // flushed to the disk and renamed over it, and the folder flushed, so
    // that a failure at any point leaves the previous file as it was and a
    // power cut after the return keeps the new one. The new file keeps the
    // previous one's mode and group. False on any failure.
    virtual bool ReplaceFile(const std::string& path, std::string_view contents) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    // Creates the folder and its missing parents; true when it exists after.
    virtual bool CreateDirectories(const std::string& path) = 0;
    // Creates the folder, its parents existing, only when nothing is at
    // path: true when this call made it, so that two processes never both
    // take one folder.
    virtual bool CreateNewDirectory(const std::string& path) {
        if (DirectoryExists(path) || FileExists(path)) return false;
        return CreateDirectories(path);
    }
    // An exclusive lock across processes on the file at path (made when
    // missing), held until the result goes; waits up to about ten seconds
    // for another holder, then gives nothing. The machine's is released by
    // the kernel when its process ends however it ends. By default, with
    // one process only, there is nothing to lock.
    virtual std::unique_ptr<FileLock> LockFile(const std::string& path) {
        (void)path;
        return std::make_unique<FileLock>();
    }
    // As LockFile, without waiting: nothing while another holds it.
    virtual std::unique_ptr<FileLock> TryLockFile(const std::string& path) { return LockFile(path); }
    virtual bool RemoveFile(const std::string& path) = 0;
    // Copies the file to a new one; false when `to` exists or the copy
    // fails, and then no part of a copy is left at `to`.
    virtual bool CopyNewFile(const std::string& from, const std::string& to) = 0;
    // Copies the file over `to`, replacing it whole: the copy is made beside
    // it and renamed, so that `to` is never a partial copy; it keeps `to`'s
    // mode and group. Not flushed to the disk. False on any failure, and
    // then `to` is as it was.
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
    // Writes a new file over `to` the way CopyFile copies (beside it,
    // renamed, not flushed). By default it is replaced as ReplaceFile does.
    virtual bool WriteFile(const std::string& to, std::string_view contents) {
        return ReplaceFile(to, contents);
    }

    // The folders and regular files in the folder, in no particular order.
    // A symbolic link counts as what it points to; dangling links, devices,
    // sockets and pipes are left out. False when the folder cannot be read.
    virtual bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries) = 0;
    // The absolute path with every link, "." and ".." resolved; empty when
    // it cannot be resolved (a missing file, a dangling link).
    virtual std::string ResolvedPath(const std::string& path) = 0;
    // Removes the folder with everything in it; read-only folders are made
    // writable first, links are removed, never followed. True when nothing
    // is left at path, also when nothing was there.
    virtual bool RemoveTree(const std::string& path) = 0;
    // Up to size bytes from offset, fewer at the end of the file. False
    // when the file cannot be read.
    virtual bool ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                              std::string* bytes) = 0;
    // Everything written to the file system that holds path reaches the
    // disk before this returns (a power cut later loses none of it).
    virtual bool SyncFileSystem(const std::string& path) = 0;
    // The names in the folder (what was made, renamed or removed in it)
    // reach the disk before this returns; the data of its files do not.
    virtual bool SyncFolder(const std::string& path) { return SyncFileSystem(path); }

    // The machine's own file system.
    static FileSystem& Default();
};

// The machine's file system. The writer seam lets tests make a write fail
// half-way (a full disk) inside the real replace sequence.
class LocalFileSystem : public FileSystem {
  public:
    // Writes up to size bytes to the open descriptor; returns the count
    // written or -1 with errno set, like write(2).
    using ChunkWriter = long (*)(int fd, const char* data, std::size_t size);

    LocalFileSystem() = default;
    explicit LocalFileSystem(ChunkWriter writer) : writer_(writer) {}

    bool ReadFile(const std::string& path, std::string* contents) override;
    bool ReplaceFile(const std::string& path, std::string_view contents) override;
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool CreateDirectories(const std::string& path) override;
    bool CreateNewDirectory(const std::string& path) override;
    std::unique_ptr<FileLock> LockFile(const std::string& path) override;
    std::unique_ptr<FileLock> TryLockFile(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool CopyNewFile(const std::string& from, const std::string& to) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool WriteFile(const std::string& to, std::string_view contents) override;
    bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries) override;
    std::string ResolvedPath(const std::string& path) override;
    bool RemoveTree(const std::string& path) override;
    bool SyncFileSystem(const std::string& path) override;
    bool SyncFolder(const std::string& path) override;
    bool ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                      std::string* bytes) override;

  private:
    bool WriteBeside(const std::string& path, std::string_view contents, bool flush);
    // The file's bytes from in to out; with a writer seam, through it.
    bool CopyContents(int in, int out);
    // Copies a regular file to the new file `to`, flushed to the disk when
    // asked, with the mode and group of the file it will replace, if any;
    // on failure no part of `to` is left.
    bool CopyToNew(const std::string& from, const std::string& to, bool flush,
                   const std::string& replaced);

    ChunkWriter writer_ = nullptr;
};

}  // namespace orelle
