#include "platform/imaging/FaceDetector.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/imaging/PictureFile.h"
#include "support/FacePhotos.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

// The faces in the picture a small cell decodes, in the file's pixels.
std::vector<FaceBox> FoundInCellPicture(FaceDetector& detector, const std::string& jpeg) {
    const QImage picture = DecodeReducedFromBytes(jpeg, 2, QSize(289, 214));
    const std::optional<QSize> file = PixelSizeFromBytes(jpeg);
    std::vector<FaceBox> faces = detector.Find(picture);
    const double k = static_cast<double>(file->width()) / picture.width();
    for (FaceBox& f : faces) {
        f = {static_cast<int>(f.left * k), static_cast<int>(f.top * k),
             static_cast<int>(f.width * k), static_cast<int>(f.height * k)};
    }
    return faces;
}

TEST(FaceDetectorTest, FindsFacesAtEdgesCornersAndInGroupsWhateverTheOrientation) {
    const auto detector = MakeCascadeFaceDetector();
    struct Layout {
        int w, h;
        std::vector<QPoint> faces;
    };
    // Near the corners and the edges: a face cut by the photo's own edge
    // is no face to a detector.
    const Layout layouts[] = {{1600, 1200, {{60, 60}, {1340, 940}}},
                              {1200, 1600, {{100, 700}, {500, 700}, {900, 700}}},
                              {2000, 1000, {{1740, 400}}}};
    for (int orientation : {1, 3, 6, 8}) {
        for (const Layout& l : layouts) {
            const testing::FacePhoto photo = testing::MakeFacePhoto(l.w, l.h, l.faces, orientation);
            const std::vector<FaceBox> found = FoundInCellPicture(*detector, photo.jpeg);
            EXPECT_EQ(found.size(), photo.faces.size()) << l.w << "x" << l.h << " " << orientation;
            for (const FaceBox& pasted : photo.faces) {
                EXPECT_TRUE(
                    std::any_of(found.begin(), found.end(),
                                [&](const FaceBox& f) { return testing::SameFace(f, pasted); }))
                    << l.w << "x" << l.h << " orientation " << orientation << " at " << pasted.left
                    << "," << pasted.top;
            }
        }
    }
}

TEST(FaceDetectorTest, FindsNothingWithoutAFaceOrACascade) {
    const auto detector = MakeCascadeFaceDetector();
    EXPECT_TRUE(FoundInCellPicture(*detector, testing::JpegBytes(1600, 1200)).empty());
    EXPECT_TRUE(detector->Find(QImage()).empty());
    const testing::FacePhoto photo = testing::MakeFacePhoto(800, 600, {{300, 200}});
    EXPECT_TRUE(MakeCascadeFaceDetector("/nonexistent.xml")
                    ->Find(DecodeReducedFromBytes(photo.jpeg, 0))
                    .empty());
}

}  // namespace
}  // namespace orelle
