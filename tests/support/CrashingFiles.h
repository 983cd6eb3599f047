#pragma once
// A file layer over a memory file system that stands for the process being
// killed, or the disk failing, at a chosen write: every call that changes
// a file or folder counts as one write. At write number `at` (1-based) the
// files as they are before it are kept in `atCrash`; from then on writes
// fail (kFromThereOn) or only that one fails (kThatOne).

#include <optional>

#include "support/MemoryFileSystem.h"

namespace orelle::testing {

class CrashingFiles : public FileSystem {
  public:
    enum class Mode { kFromThereOn, kThatOne };

    CrashingFiles(MemoryFileSystem& inner, int at, Mode mode = Mode::kFromThereOn)
        : inner_(inner), at_(at), mode_(mode) {}

    int writes = 0;
    std::optional<MemoryFileSystem> atCrash;

    bool ReadFile(const std::string& p, std::string* c) override { return inner_.ReadFile(p, c); }
    bool ReplaceFile(const std::string& p, std::string_view c) override {
        return Write() && inner_.ReplaceFile(p, c);
    }
    bool FileExists(const std::string& p) override { return inner_.FileExists(p); }
    bool DirectoryExists(const std::string& p) override { return inner_.DirectoryExists(p); }
    bool CreateDirectories(const std::string& p) override {
        return Write() && inner_.CreateDirectories(p);
    }
    bool RemoveFile(const std::string& p) override { return Write() && inner_.RemoveFile(p); }
    bool CopyNewFile(const std::string& f, const std::string& t) override {
        return Write() && inner_.CopyNewFile(f, t);
    }
    bool CopyFile(const std::string& f, const std::string& t) override {
        return Write() && inner_.CopyFile(f, t);
    }
    bool ListFolder(const std::string& p, std::vector<FolderEntry>* e) override {
        return inner_.ListFolder(p, e);
    }
    std::string ResolvedPath(const std::string& p) override { return inner_.ResolvedPath(p); }
    bool RemoveTree(const std::string& p) override { return Write() && inner_.RemoveTree(p); }
    bool ReadFilePart(const std::string& p, std::uint64_t o, std::size_t s,
                      std::string* b) override {
        return inner_.ReadFilePart(p, o, s, b);
    }
    bool SyncFileSystem(const std::string& p) override { return inner_.SyncFileSystem(p); }

  private:
    bool Write() {
        ++writes;
        if (writes == at_) atCrash.emplace(inner_);
        return writes < at_ || (mode_ == Mode::kThatOne && writes > at_);
    }

    MemoryFileSystem& inner_;
    int at_;
    Mode mode_;
};

}  // namespace orelle::testing
