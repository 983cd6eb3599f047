#pragma once
// A gate that threads wait at while it is shut (20 s at most, so that a
// test that forgets to open it fails instead of hanging), and a file system
// whose whole-file reads of photos (for their pictures) wait at one; the
// heads read at once. So a test sees what a cell shows while its picture
// is still being read.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

#include <gtest/gtest.h>

#include "platform/imaging/PictureFile.h"

namespace orelle::testing {

class Gate {
  public:
    explicit Gate(bool open = false) : open_(open) {}
    void Wait() {
        std::unique_lock lock(mutex_);
        if (!opened_.wait_for(lock, std::chrono::seconds(20), [this] { return open_; }))
            ADD_FAILURE() << "the gate was never opened";
    }
    void Shut() {
        std::lock_guard lock(mutex_);
        open_ = false;
    }
    void Open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_;
};

template <class Files>
struct GatedFiles : Files, Gate {
    bool ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                      std::string* bytes) override {
        if (size > kPhotoHeadLimit) Wait();
        return Files::ReadFilePart(path, offset, size, bytes);
    }
};

}  // namespace orelle::testing
