#include "cell/FaceFraming.h"

#include <gtest/gtest.h>

#include <memory>

#include "orderdata/FaceCrop.h"
#include "orderdata/PhotoList.h"
#include "orderdata/PrintCatalogue.h"

namespace orelle {

void PrintTo(const CropCorner& c, std::ostream* os) { *os << "(" << c.left << "," << c.top << ")"; }

namespace {

TEST(FaceFramingTest, TheCropMovesLeastToHoldTheFacesWithTheirMarginWhereItFits) {
    // A crop of 1000 x 600 on a 1600 x 1200 photo, from its centre (300, 300).
    const auto place = [](std::vector<FaceBox> faces) {
        return FaceKeepingCorner(faces, 1000, 600, 1600, 1200, {300, 300});
    };
    EXPECT_EQ(place({{700, 500, 100, 100}}), (CropCorner{300, 300}));
    // Up to a quarter of the face above it, and to the photo's edge at most.
    EXPECT_EQ(place({{700, 100, 100, 100}}), (CropCorner{300, 75}));
    EXPECT_EQ(place({{0, 0, 100, 100}}), (CropCorner{0, 0}));
    EXPECT_EQ(place({{1500, 1100, 100, 100}}), (CropCorner{600, 600}));
    // A group as tall as the crop but for 20 rows: 10 above, 10 below.
    EXPECT_EQ(place({{100, 300, 100, 100}, {300, 780, 100, 100}}), (CropCorner{75, 290}));
    EXPECT_EQ(place({{100, 0, 100, 100}, {300, 1100, 100, 100}}), std::nullopt);
    EXPECT_EQ(place({{0, 500, 100, 100}, {1500, 500, 100, 100}}), std::nullopt);
}

TEST(FaceFramingTest, KeptFacesLieInsideAFrameOfThePrintsShapeOnThePhoto) {
    PrintCatalogue sizes;
    sizes.Append({"C6", "6寸", 4, 6, 0, 0});
    PhotoList list;
    list.Append(std::make_unique<PhotoRecord>());
    for (const std::int32_t angle : {0, 90, 30}) {
        FrameGeometry g(&sizes, &list);
        g.SetSurfaceSize(289, 214);
        PhotoRecord r;
        r.angle = angle;
        g.LoadFromRecord(r, 1600, 1200);
        const std::vector<FaceBox> faces =
            ShownFaces({{725, 0, 150, 150}, {1000, 100, 150, 150}}, 1600, 1200, angle);
        ASSERT_TRUE(KeepFaces(g, faces)) << angle;
        const CropRect& crop = list.At(0).rcDst;
        for (const FaceBox& f : faces) {
            EXPECT_TRUE(FaceInside(f, crop.left, crop.top, crop.width, crop.height)) << angle;
        }
        const bool portrait = g.imageWidth < g.imageHeight;
        EXPECT_NEAR(crop.width * (portrait ? 3.0 : 2.0), crop.height * (portrait ? 2.0 : 3.0),
                    crop.width / 20.0)
            << angle;
        EXPECT_GE(crop.left, 0);
        EXPECT_GE(crop.top, 0);
        // Turned photos are framed on the display's pixels, a few photo pixels large.
        EXPECT_LE(crop.left + crop.width, g.imageWidth * 101 / 100);
        EXPECT_LE(crop.top + crop.height, g.imageHeight * 101 / 100);
    }
    // Faces at the top and the bottom of a landscape photo: no frame of 4 x 6 holds both.
    FrameGeometry g(&sizes, &list);
    g.SetSurfaceSize(289, 214);
    g.LoadFromRecord(PhotoRecord{}, 1600, 1200);
    EXPECT_FALSE(KeepFaces(g, {{100, 0, 150, 150}, {100, 1050, 150, 150}}));
}

}  // namespace
}  // namespace orelle
