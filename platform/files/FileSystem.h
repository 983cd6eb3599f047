#pragma once
// The one door to files and folders. Paths are UTF-8 texts with the
// platform's separator. Every operation reports failure by its result and
// never throws. Implementations must be safe to call from any thread.

#include <cstddef>
#include <string>
#include <string_view>

namespace orelle {

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // False when the file is missing or cannot be read.
    virtual bool ReadFile(const std::string& path, std::string* contents) = 0;
    // Replaces the file whole: the new contents are written beside it,
    // flushed to the disk and renamed over it, so that a failure at any point
    // leaves the previous file as it was. False on any failure.
    virtual bool ReplaceFile(const std::string& path, std::string_view contents) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    // Creates the folder and its missing parents; true when it exists after.
    virtual bool CreateDirectories(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // Copies the file to a new one; false when `to` exists or the copy
    // fails, and then no part of a copy is left at `to`.
    virtual bool CopyNewFile(const std::string& from, const std::string& to) = 0;
    // Copies the file over `to`, replacing it whole: the copy is made beside
    // it and renamed, so that `to` is never a partial copy. Not flushed to
    // the disk. False on any failure, and then `to` is as it was.
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;

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
    bool RemoveFile(const std::string& path) override;
    bool CopyNewFile(const std::string& from, const std::string& to) override;
    bool CopyFile(const std::string& from, const std::string& to) override;

  private:
    // The file's bytes from in to out; with a writer seam, through it.
    bool CopyContents(int in, int out);
    // Copies a regular file to the new file `to`, flushed to the disk when
    // asked; on failure no part of `to` is left.
    bool CopyToNew(const std::string& from, const std::string& to, bool flush);

    ChunkWriter writer_ = nullptr;
};

}  // namespace orelle
