#pragma once
// A file system whose whole-file reads of photos (for their pictures) wait
// until the test opens the gate; the heads read at once. So a test sees
// what a cell shows while its picture is still being read.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

#include "platform/imaging/PictureFile.h"

namespace orelle::testing {

template <class Files>
struct GatedFiles : Files {
    bool ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                      std::string* bytes) override {
        if (size > kPhotoHeadLimit) {
            std::unique_lock<std::mutex> lock(mutex);
            opened.wait(lock, [&] { return open; });
        }
        return Files::ReadFilePart(path, offset, size, bytes);
    }
    void Open() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            open = true;
        }
        opened.notify_all();
    }
    std::mutex mutex;
    std::condition_variable opened;
    bool open = false;
};

}  // namespace orelle::testing
