#include "orderdata/FaceCrop.h"

#include <gtest/gtest.h>

#include <memory>

#include "orderdata/FaceStore.h"
#include "orderdata/PhotoList.h"
#include "submit/OrderTexts.h"
#include "support/SmallCatalogue.h"

namespace orelle {
namespace {

TEST(FaceCropTest, TurnedFacesLieWhereTheTurnedPhotoShowsThem) {
    const std::vector<FaceBox> topLeft{{0, 0, 100, 50}};
    EXPECT_EQ(ShownFaces(topLeft, 400, 300, 0), topLeft);
    // A quarter turn clockwise takes the top left corner to the top right.
    EXPECT_EQ(ShownFaces(topLeft, 400, 300, 90), (std::vector<FaceBox>{{250, 0, 50, 100}}));
    EXPECT_EQ(ShownFaces(topLeft, 400, 300, 180), (std::vector<FaceBox>{{300, 250, 100, 50}}));
}

TEST(FaceCropTest, AFaceIsCutWhenMoreThanItsSlackLiesOutsideTheCrop) {
    PhotoRecord r;
    r.rcDst = {0, 100, 1600, 1000};  // rows 100 to 1099 of a 1600 x 1200 photo
    const auto cuts = [&](FaceBox f) { return CutsFace(r, {f}, 1600, 1200); };
    EXPECT_FALSE(cuts({700, 100, 200, 200}));
    EXPECT_FALSE(cuts({700, 90, 200, 200}));  // 10 of 200 rows: within a twentieth
    EXPECT_TRUE(cuts({700, 89, 200, 200}));
    EXPECT_TRUE(cuts({700, 1000, 200, 200}));
    EXPECT_FALSE(CutsFace(r, {}, 1600, 1200));
    // Zoomed to 200 %, the crop is in pixels of the doubled photo.
    r.operate = kModeZoom;
    r.scale = 200;
    EXPECT_TRUE(cuts({700, 100, 200, 200}));
    EXPECT_FALSE(cuts({300, 100, 200, 200}));
    // A fill prints the whole photo.
    r.operate = kModeWhiteFill;
    r.scale = 100;
    EXPECT_FALSE(cuts({700, 0, 200, 200}));
}

TEST(FaceCropTest, TheNoticeNamesTheOrderedPhotosThatCutAFace) {
    testing::SmallCatalogue sizes;
    PhotoList list;
    FaceStore faces;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
        auto r = std::make_unique<PhotoRecord>();
        r->srcName = r->origName = name;
        r->number = r->bBrowsed = 1;
        r->pixelWidth = 1600;
        r->pixelHeight = 1200;
        r->rcDst = {0, 100, 1600, 1000};
        faces.Put(name, {{700, 0, 200, 200}});
        list.Append(std::move(r));
    }
    list.At(1).rcDst.top = 0;  // holds the face
    list.At(2).bBrowsed = 0;   // not ordered
    faces.Put("d.jpg", {});    // no face found
    EXPECT_EQ(FaceCutNote(list, sizes.catalogue, faces).text,
              "其中 1 张裁到人脸:\r\n    a.jpg 5寸\r\n");
}

}  // namespace
}  // namespace orelle
