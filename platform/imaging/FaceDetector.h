#pragma once
// Finding faces in a picture. The station asks it of the reduced picture a
// cell decodes anyway; the detector is the one outside library of it, so
// the rest is tested with a stand-in. Find may run on any one thread at a
// time per detector.

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orelle {

// A face's box, left and top inclusive, in the pixels of the picture it
// was found in (or of the photo file, once scaled there).
struct FaceBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const FaceBox&) const = default;
};

class FaceDetector {
  public:
    virtual ~FaceDetector() = default;
    // The faces of an upright picture; none when it has none, or when the
    // detector fails (nothing is thrown).
    virtual std::vector<FaceBox> Find(const QImage& picture) = 0;
};

// OpenCV's cascade of frontal faces ("alt2" of opencv-data): of the
// detectors in Debian it found the most faces with the fewest false ones.
// A cascade file that does not load gives a detector that finds nothing.
std::unique_ptr<FaceDetector> MakeCascadeFaceDetector();
std::unique_ptr<FaceDetector> MakeCascadeFaceDetector(const std::string& cascadeFile);

}  // namespace orelle
