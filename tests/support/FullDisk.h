#pragma once
// A chunk writer for LocalFileSystem that writes Limit bytes of a file and
// then fails as a full disk does (ENOSPC).

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

namespace orelle::testing {

template <std::size_t Limit>
long FullDiskAfter(int fd, const char* data, std::size_t size) {
    static thread_local std::size_t written = 0;
    if (written >= Limit) {
        written = 0;
        errno = ENOSPC;
        return -1;
    }
    std::size_t n = std::min(size, Limit - written);
    written += n;
    return static_cast<long>(::write(fd, data, n));
}

}  // namespace orelle::testing
