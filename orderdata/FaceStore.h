#pragma once
// The faces found in the job's photos, by the path of the photo's copy in
// the work folder, in the pixels of the photo as it is seen (upright, its
// file's pixel size). A photo's faces are found once and kept for the job
// only: the order files never hold them. Any thread.

#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/imaging/FaceDetector.h"

namespace orelle {

class FaceStore {
  public:
    // Nothing while the photo's faces were not looked for; an empty list
    // for a photo without faces.
    std::optional<std::vector<FaceBox>> Find(const std::string& path) const;
    void Put(const std::string& path, std::vector<FaceBox> faces);
    void Clear();

  private:
    mutable std::mutex mutex_;
    std::unordered_map<std::string, std::vector<FaceBox>> faces_;
};

}  // namespace orelle
