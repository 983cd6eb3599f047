#pragma once
// A file system that counts reads of photo files (".jpg"), and those made
// on the thread that built it (the user-interface thread in the tests).

#include <atomic>
#include <string>
#include <thread>

namespace orelle::testing {

template <class Files>
struct WatchedFiles : Files {
    bool ReadFile(const std::string& path, std::string* contents) override {
        Count(path);
        return Files::ReadFile(path, contents);
    }
    bool ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                      std::string* bytes) override {
        Count(path);
        return Files::ReadFilePart(path, offset, size, bytes);
    }
    void Count(const std::string& path) {
        if (!path.ends_with(".jpg")) return;
        ++photoReads;
        if (std::this_thread::get_id() == owner) ++photoReadsByOwner;
    }
    std::thread::id owner = std::this_thread::get_id();
    std::atomic<int> photoReads{0};
    std::atomic<int> photoReadsByOwner{0};
};

}  // namespace orelle::testing
