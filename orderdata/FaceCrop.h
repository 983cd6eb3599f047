#pragma once
// Whether a photo's print cuts a face: the faces found in the photo against
// the crop its record stores, as the lab cuts it. The crop and white-border
// fill modes differ: a fill prints the whole photo and never cuts one.

#include <cstdint>
#include <vector>

#include "orderdata/PhotoRecord.h"
#include "platform/imaging/FaceDetector.h"

namespace orelle {

class FaceStore;
class PhotoList;

// Faces of a w x h photo (upright) as the display shows it turned by angle
// degrees clockwise: in the pixels of the turned photo's bounding box
// (RotatedBounds), each the box around its turned corners.
std::vector<FaceBox> ShownFaces(const std::vector<FaceBox>& faces, std::int32_t w, std::int32_t h,
                                std::int32_t angle);

// A face leaves the frame when an edge of its box lies outside the crop by
// more than this part of the box's size: the detector's boxes are not
// more exact than that.
constexpr std::int32_t kFaceEdgeSlack = 20;

// True when the record, framed as it is, leaves part of a face of the
// w x h photo outside its crop; never in the fill modes, without faces,
// or without a stored crop.
bool CutsFace(const PhotoRecord& record, const std::vector<FaceBox>& faces, std::int32_t w,
              std::int32_t h);
// True when the box is inside the crop (in the same pixels), as above.
bool FaceInside(const FaceBox& face, double left, double top, double width, double height);

// The list indexes of the order's photos (seen, with prints) whose print
// cuts one of the faces found in them, in list order.
std::vector<std::int32_t> FaceCutPhotos(const PhotoList& list, const FaceStore& faces);

}  // namespace orelle
