#pragma once
// A file layer over a memory file system that forgets what a power cut
// loses (as LevelDB's fault-injection environment): the memory is what the
// process sees, the disk what survives. Data reach the disk when flushed
// (ReplaceFile, CopyNewFile, SyncFileSystem), a name made, renamed or
// removed when its folder is (ReplaceFile's own, SyncFolder,
// SyncFileSystem); a name kept without its data keeps an empty file. Each
// change and each flush is a step; the power goes right after step `at`:
// the disk then is `afterCut`, and the process dies at its next step
// (PowerCut is thrown), so what it did meanwhile without the disk (a
// message, a post) is seen. One thread at a time.

#include <functional>
#include <optional>
#include <set>

#include "support/MemoryFileSystem.h"

namespace orelle::testing {

struct PowerCut {};

class PowerCutFiles : public FileSystem {
  public:
    // Everything in inner is on the disk to begin with.
    PowerCutFiles(MemoryFileSystem& inner, int at);

    // What a restart finds: only what hangs from the top by kept names.
    std::optional<MemoryFileSystem> afterCut;

    bool ReadFile(const std::string& p, std::string* c) override { return live_.ReadFile(p, c); }
    bool ReplaceFile(const std::string& p, std::string_view c) override;
    bool WriteFile(const std::string& p, std::string_view c) override;
    bool FileExists(const std::string& p) override { return live_.FileExists(p); }
    bool DirectoryExists(const std::string& p) override { return live_.DirectoryExists(p); }
    bool CreateDirectories(const std::string& p) override;
    bool RemoveFile(const std::string& p) override;
    bool CopyNewFile(const std::string& f, const std::string& t) override;
    bool CopyFile(const std::string& f, const std::string& t) override;
    bool ListFolder(const std::string& p, std::vector<FolderEntry>* e) override {
        return live_.ListFolder(p, e);
    }
    std::string ResolvedPath(const std::string& p) override { return live_.ResolvedPath(p); }
    bool RemoveTree(const std::string& p) override;
    bool ReadFilePart(const std::string& p, std::uint64_t o, std::size_t s,
                      std::string* b) override {
        return live_.ReadFilePart(p, o, s, b);
    }
    bool SyncFileSystem(const std::string& p) override;
    bool SyncFolder(const std::string& p) override;

  private:
    // One step: the change, then path's data flushed or not (empty path:
    // neither); throws PowerCut once the power is gone.
    bool Step(const std::function<bool()>& change, const std::string& path = {},
              bool flushed = false);
    // The disk's entries of the folder become what the process sees.
    void KeepNames(const std::string& folder);

    MemoryFileSystem& live_;
    MemoryFileSystem disk_;
    std::set<std::string> flushed_;  // files whose data are on the disk
    int at_;
    int steps_ = 0;
};

}  // namespace orelle::testing
