#include "orderdata/FaceStore.h"

namespace orelle {

std::optional<std::vector<FaceBox>> FaceStore::Find(const std::string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = faces_.find(path);
    if (it == faces_.end()) return std::nullopt;
    return it->second;
}

void FaceStore::Put(const std::string& path, std::vector<FaceBox> faces) {
    std::lock_guard<std::mutex> lock(mutex_);
    faces_[path] = std::move(faces);
}

void FaceStore::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    faces_.clear();
}

}  // namespace orelle
