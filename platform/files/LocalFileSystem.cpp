#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/files/FileSystem.h"
#include "platform/files/PartialFiles.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

long PosixWrite(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

bool WriteAll(LocalFileSystem::ChunkWriter writer, int fd, std::string_view data) {
    while (!data.empty()) {
        long n = writer(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Short, so that a name near the file system's limit still has room for
// it; named apart, so that what a crash leaves is found (PartialFiles).
std::string TempNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return paths::Join(paths::DirectoryPart(path), kPartialFilePrefix) +
           std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

// The folder that holds path ("." and "/" included).
std::string FolderOf(const std::string& path) {
    if (path.find(paths::kSeparator) == std::string::npos) return ".";
    const std::string_view folder = paths::DirectoryPart(path);
    return folder.empty() ? std::string(1, paths::kSeparator) : std::string(folder);
}

// An open descriptor of the regular file, or -1.
int OpenRegular(const std::string& path, struct stat* st) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, st) == 0 && S_ISREG(st->st_mode)) return fd;
    ::close(fd);
    return -1;
}

// The replacement of a file gets the file's mode and group, so that a file
// kept from some users stays kept from them. A group the process may not
// give gets no more than others get.
bool TakeOverModeAndGroup(const std::string& replaced, int fd) {
    struct stat st {};
    if (::stat(replaced.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return true;
    mode_t mode = st.st_mode & 0777;
    if (::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0)
        mode = (mode & ~mode_t{070}) | (mode & ((mode & 07) << 3));
    return ::fchmod(fd, mode) == 0;
}

}  // namespace

FileSystem& FileSystem::Default() {
    static LocalFileSystem fs;
    return fs;
}

bool LocalFileSystem::ReadFile(const std::string& path, std::string* contents) {
    struct stat st {};
    const int fd = OpenRegular(path, &st);
    if (fd < 0) return false;
    // Straight into the string, without a copy through a buffer: photos
    // are decoded from it. The byte to spare shows the end in one more
    // read; a file that grows meanwhile gets more room.
    std::string data(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t got = 0;
    bool ok = true;
    for (;;) {
        if (got == data.size()) data.resize(data.size() * 2);
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(got);
    if (ok) *contents = std::move(data);
    return ok;
}

bool LocalFileSystem::ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                                   std::string* bytes) {
    struct stat st {};
    const int fd = OpenRegular(path, &st);
    if (fd < 0) return false;
    const std::uint64_t end = static_cast<std::uint64_t>(st.st_size);
    std::string data(offset < end ? std::min<std::uint64_t>(size, end - offset) : 0, '\0');
    std::size_t got = 0;
    bool ok = true;
    while (got < data.size()) {
        const ssize_t n =
            ::pread(fd, data.data() + got, data.size() - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;  // an error, or the file shrank meanwhile
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(got);
    if (ok) *bytes = std::move(data);
    return ok;
}

bool LocalFileSystem::ReplaceFile(const std::string& path, std::string_view contents) {
    return WriteBeside(path, contents, true);
}

bool LocalFileSystem::WriteFile(const std::string& to, std::string_view contents) {
    return WriteBeside(to, contents, false);
}

bool LocalFileSystem::WriteBeside(const std::string& path, std::string_view contents, bool flush) {
    const std::string temp = TempNameBeside(path);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok =
        TakeOverModeAndGroup(path, fd) && WriteAll(writer_ ? writer_ : PosixWrite, fd, contents);
    if (flush) ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    // A rename is kept only once its folder is: else a power cut may bring
    // back the previous file, or none, after the caller went on.
    return ok && (!flush || SyncFolder(FolderOf(path)));
}

bool LocalFileSystem::FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool LocalFileSystem::DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool LocalFileSystem::CreateDirectories(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return DirectoryExists(path);
}

bool LocalFileSystem::RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool LocalFileSystem::CopyContents(int in, int out) {
    if (writer_ == nullptr) {
        // In the kernel, without a trip through user space; other file
        // systems and old kernels fall back to the loop below.
        bool any = false;
        for (;;) {
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
            if (n > 0) {
                any = true;
                continue;
            }
            if (n == 0) return true;
            if (errno == EINTR) continue;
            if (any ||
                (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP))
                return false;
            break;
        }
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (!WriteAll(writer_ ? writer_ : PosixWrite, out,
                      std::string_view(buffer, static_cast<std::size_t>(n))))
            return false;
    }
}

bool LocalFileSystem::CopyToNew(const std::string& from, const std::string& to, bool flush,
                                const std::string& replaced) {
    struct stat st {};
    const int in = OpenRegular(from, &st);
    if (in < 0) return false;
    // O_EXCL: a file that appeared meanwhile is never overwritten.
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);  // a card reads ahead
    bool ok = TakeOverModeAndGroup(replaced, out) && CopyContents(in, out);
    if (flush) ok = ::fsync(out) == 0 && ok;
    ok = ::close(out) == 0 && ok;
    ::close(in);
    if (!ok) ::unlink(to.c_str());
    return ok;
}

bool LocalFileSystem::CopyNewFile(const std::string& from, const std::string& to) {
    return CopyToNew(from, to, true, "");
}

bool LocalFileSystem::CopyFile(const std::string& from, const std::string& to) {
    const std::string temp = TempNameBeside(to);
    if (!CopyToNew(from, temp, false, to)) return false;
    if (::rename(temp.c_str(), to.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

}  // namespace orelle
