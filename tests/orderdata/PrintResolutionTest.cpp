#include "orderdata/PrintResolution.h"

#include <gtest/gtest.h>

#include "support/SmallCatalogue.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

// A 6-inch print is 4 x 6 inches, a 7-inch one 5 x 7.
TEST(EffectiveDpi, FollowsTheFraming) {
    const struct {
        const char* name;
        std::int32_t operate, scale, angle;
        bool turned;
        std::int32_t w, h;
        float x, y;
        double dpi;  // below 0: cannot be told
    } cases[] = {
        // The frame spans the photo the tighter way: 1600 / 6 across, not 1200 / 4.
        {"CropLandscape", kModeCrop, 100, 0, false, 1600, 1200, 4, 6, 266.67},
        {"CropPortrait", kModeCrop, 100, 0, false, 1200, 1600, 4, 6, 266.67},
        {"CropOfThePrintsShape", kModeCrop, 100, 0, false, 1800, 1200, 4, 6, 300},
        // The whole photo fits the paper the other way: 1200 / 4.
        {"FillLandscape", kModeWhiteFill, 100, 0, false, 1600, 1200, 4, 6, 300},
        {"BlackFillAsWhite", kModeBlackFill, 100, 0, false, 1600, 1200, 4, 6, 300},
        {"Zoom100", kModeZoom, 100, 0, false, 1600, 1200, 4, 6, 266.67},
        {"Zoom150", kModeZoom, 150, 0, false, 1600, 1200, 4, 6, 177.78},
        // A scale other than 100 zooms whatever the record's mode says.
        {"FillAt200Zooms", kModeWhiteFill, 200, 0, false, 1600, 1200, 4, 6, 133.33},
        // The turned frame is portrait on a landscape photo: 1200 / 6.
        {"ZoomFrameTurned", kModeZoom, 100, 0, true, 1600, 1200, 4, 6, 200},
        {"FillTurnedSquarePaper", kModeWhiteFill, 100, 0, true, 1600, 1200, 4, 6, 400},
        // Turned by 90 the photo is portrait and the frame with it.
        {"Rotated90", kModeCrop, 100, 90, false, 1600, 1200, 4, 6, 266.67},
        // By 45 its 1980 x 1980 bounding box takes the frame.
        {"Rotated45", kModeCrop, 100, 45, false, 1600, 1200, 4, 6, 330},
        {"NoPrintSize", kModeCrop, 100, 0, false, 1600, 1200, 0, 6, -1},
        {"NegativePrintSize", kModeCrop, 100, 0, false, 1600, 1200, -1, 6, -1},
        {"NoPixelSize", kModeCrop, 100, 0, false, 0, 0, 4, 6, -1},
        {"UnreadablePhoto", kModeCrop, 100, 0, false, -1, -1, 4, 6, -1},
        {"UnknownMode", 7, 100, 0, false, 1600, 1200, 4, 6, -1},
        {"ZeroScale", kModeZoom, 0, 0, false, 1600, 1200, 4, 6, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PhotoRecord r;
        r.operate = c.operate;
        r.scale = c.scale;
        r.angle = c.angle;
        r.frameTurned = c.turned ? 1 : 0;
        const std::optional<double> dpi = EffectiveDpi(r, c.w, c.h, c.x, c.y);
        if (c.dpi < 0) {
            EXPECT_FALSE(dpi.has_value());
        } else {
            ASSERT_TRUE(dpi.has_value());
            EXPECT_NEAR(*dpi, c.dpi, 0.01);
        }
    }
}

// SmallCatalogue's sizes have no inches: these photos are of a 4 x 6 print.
struct LowResolutionJob : testing::SmallCatalogue {
    LowResolutionJob() {
        PrintSpec six{"C6", "6寸", 4, 6, 1200, 1800};
        catalogue.Append(six);
    }
    static constexpr std::int32_t kSix = 4;
    PhotoRecord& Photo(std::int32_t w, std::int32_t h, std::int32_t number = 1,
                       std::int32_t browsed = 1) {
        PhotoRecord& r = Add(kSix, number, browsed);
        r.pixelWidth = w;
        r.pixelHeight = h;
        return r;
    }
};

TEST(LowResolution, NamesTheOrdersPhotosBelowTheThreshold) {
    LowResolutionJob job;
    job.Photo(1600, 1200);                  // 0: 266 dpi
    job.Photo(800, 600);                    // 1: 133
    job.Photo(600, 400);                    // 2: exactly 100
    job.Photo(205, 102, 0);                 // not ordered
    job.Photo(205, 102, 1, 0);              // not seen
    job.Photo(0, 0);                        // size not read yet
    PhotoRecord& noInches = job.Add(0, 1);  // a size without inches
    noInches.pixelWidth = noInches.pixelHeight = 10;
    job.Photo(1600, 1200).scale = 300;  // 7: zoomed to 88 dpi
    EXPECT_EQ(LowResolutionPhotos(job.list, job.catalogue, 150),
              (std::vector<std::int32_t>{1, 2, 7}));
    EXPECT_EQ(LowResolutionPhotos(job.list, job.catalogue, 100), (std::vector<std::int32_t>{7}));
    EXPECT_TRUE(LowResolutionPhotos(job.list, job.catalogue, 0).empty());
    EXPECT_TRUE(BelowMinDpi(job.list.At(1), 800, 600, job.catalogue, 150));
    EXPECT_FALSE(BelowMinDpi(job.list.At(1), 800, 600, job.catalogue, 0));
}

TEST(LowResolution, ReadsTheSizesNoCellHasShown) {
    LowResolutionJob job;
    job.files.files["/job/IMG_0.jpg"] = testing::JpegBytes(64, 48);
    job.Photo(0, 0);        // read from its header
    job.Photo(0, 0, 1, 0);  // not in the order: left alone
    job.Photo(0, 0);        // no file
    job.Photo(1600, 1200);  // known: not read again
    ReadMissingPixelSizes(job.list, job.files);
    std::vector<std::int32_t> widths;
    for (std::int32_t i = 0; i < 4; ++i) widths.push_back(job.list.At(i).pixelWidth);
    EXPECT_EQ(widths, (std::vector<std::int32_t>{64, 0, -1, 1600}));
    EXPECT_EQ(job.list.At(0).pixelHeight, 48);
}

}  // namespace
}  // namespace orelle
