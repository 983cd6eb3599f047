#pragma once
// The crop frame that keeps a photo's faces: the largest frame of the
// print's shape, which the crop mode always has, moved so that every face
// lies inside with a margin where there is room for one. Window-free.

#include <cstdint>
#include <optional>
#include <vector>

#include "cell/FrameGeometry.h"
#include "platform/imaging/FaceDetector.h"

namespace orelle {

// A face's margin on each side is this part of the largest face's size,
// less where the crop has no room for all of it.
constexpr std::int32_t kFaceMarginPart = 4;

struct CropCorner {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool operator==(const CropCorner&) const = default;
};

// Where a crop of cw x ch lies on a photo of w x h (faces and all in the
// same pixels) so that it holds every face: the place nearest to `from`
// that also holds the margins. None when the faces span more than the
// crop in either direction: no crop of that shape and size holds them.
std::optional<CropCorner> FaceKeepingCorner(const std::vector<FaceBox>& faces, std::int32_t cw,
                                            std::int32_t ch, std::int32_t w, std::int32_t h,
                                            CropCorner from);

// Moves the crop frame of g (crop mode at 100 %, as shown by g) to keep
// the faces (in the shown photo's pixels), nearest to where it lies, and
// lays g out there. False, with g framed centred, when no crop of the
// print's shape holds them.
bool KeepFaces(FrameGeometry& g, const std::vector<FaceBox>& shownFaces);

}  // namespace orelle
