#pragma once
// The folders from which the job's photos were taken, each once (compared
// without regard to ASCII letter case), without trailing separators.
// No lock: callers keep workers and commands apart with the busy flag.

#include <cstdint>
#include <string>
#include <vector>

namespace orelle {

class DirList {
  public:
    // Appends the folder unless an equal one is present; the first spelling stays.
    void AddIfAbsent(const std::string& folder);
    void RemoveAll() { dirs_.clear(); }
    std::int32_t GetSize() const { return static_cast<std::int32_t>(dirs_.size()); }
    const std::string& At(std::int32_t index) const {
        return dirs_[static_cast<std::size_t>(index)];
    }
    const std::vector<std::string>& Entries() const { return dirs_; }

  private:
    std::vector<std::string> dirs_;
};

}  // namespace orelle
