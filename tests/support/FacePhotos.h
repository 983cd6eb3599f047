#pragma once
// Photos with faces for the tests: the astronaut portrait that
// python3-skimage ships, its head cut out and pasted onto a larger grey
// canvas where the test wants it, written as a JPEG turned as an EXIF
// orientation says (the picture shows upright once the tag is applied).

#include <QPoint>
#include <string>
#include <vector>

#include "platform/imaging/FaceDetector.h"

namespace orelle::testing {

// The portrait's face measures this on the canvas.
constexpr int kTestFaceSize = 200;

// The canvas of w x h (upright) with a head whose face box has its
// top-left corner at each point; the face boxes as pasted.
struct FacePhoto {
    std::string jpeg;
    std::vector<FaceBox> faces;
};
FacePhoto MakeFacePhoto(int w, int h, const std::vector<QPoint>& faceCorners, int orientation = 1);
void WriteFacePhoto(const std::string& path, const FacePhoto& photo);

// True when the box found lies on the face pasted, give or take a third
// of its size.
bool SameFace(const FaceBox& found, const FaceBox& pasted);

}  // namespace orelle::testing
