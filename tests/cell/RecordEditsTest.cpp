#include "cell/RecordEdits.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "orderdata/PhotoRecord.h"
#include "orderdata/PrintCatalogue.h"

namespace orelle {
namespace {

PrintCatalogue TwoSizesAndAStrip() {
    PrintCatalogue c;
    const struct {
        const char* code;
        float x, y;
    } sizes[] = {{"C5", 3.5f, 5}, {"C6", 4, 6}, {"S1", -1, 6}};
    for (const auto& size : sizes) {
        PrintSpec spec;
        spec.pcode = size.code;
        spec.x = size.x;
        spec.y = size.y;
        c.Append(spec);
    }
    return c;
}

// A cropped record framed by hand: moved, turned, scaled.
PhotoRecord Framed() {
    PhotoRecord r;
    r.operate = kModeCrop;
    r.scale = 150;
    r.angle = 90;
    r.offsetSZX = 12;
    r.offsetSZY = -7;
    r.productID = "C5";
    return r;
}

TEST(RecordEdits, EveryEditFramesThePhotoAnew) {
    struct Case {
        const char* edit;
        std::function<void(PhotoRecord&)> apply;
        std::int32_t operate, scale, angle;
    };
    const Case cases[] = {
        {"fill", SetFillMode, kModeWhiteFill, 100, 0},
        {"crop", SetCropMode, kModeCrop, 100, 0},
        {"zoom pad opened", EnterZoomMode, kModeZoom, 150, 90},
        {"zoom 200", [](PhotoRecord& r) { SetZoomScale(r, 200); }, kModeZoom, 200, 90},
        {"turned 270", [](PhotoRecord& r) { SetRecordAngle(r, 270); }, kModeCrop, 150, 270},
    };
    for (const Case& c : cases) {
        PhotoRecord r = Framed();
        c.apply(r);
        // Mode, zoom, angle, and the offsets back to the centre.
        EXPECT_EQ((std::array{r.operate, r.scale, r.angle, r.offsetSZX, r.offsetSZY}),
                  (std::array{c.operate, c.scale, c.angle, 0, 0}))
            << c.edit;
    }
}

TEST(RecordEdits, ASizeKeepsAShopsOwnProductCode) {
    const PrintCatalogue c = TwoSizesAndAStrip();
    PhotoRecord r = Framed();
    ASSERT_TRUE(ChooseRecordSize(r, c, 1));
    EXPECT_EQ(r.specIndex, 1);
    EXPECT_EQ(r.productID, "C6");
    EXPECT_EQ(r.offsetSZX, 0);
    r.productID = "SHOP-1";
    ASSERT_TRUE(ChooseRecordSize(r, c, 0));
    EXPECT_EQ(r.productID, "SHOP-1");
    EXPECT_FALSE(ChooseRecordSize(r, c, 3));
    EXPECT_FALSE(ChooseRecordSize(r, c, -1));
    EXPECT_EQ(r.specIndex, 0);
    EXPECT_FALSE(SizeOnlyCrops(c, 1));
    EXPECT_TRUE(SizeOnlyCrops(c, 2));
    EXPECT_FALSE(SizeOnlyCrops(c, 9));
}

}  // namespace
}  // namespace orelle
