// Phones' PNG photos at the decoder: as large as the bound allows, behind
// any number of text chunks, and the bombs still refused.
#include <gtest/gtest.h>
#include <libexif/exif-ifd.h>

#include <QColorSpace>

#include "platform/imaging/JpegDecoder.h"
#include "platform/imaging/JpegLayout.h"
#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/UprightJpeg.h"
#include "support/PhonePhotos.h"

namespace orelle {
namespace {

using testing::FlatPng;

TEST(PngDecoderTest, APhotoOfTheBoundsSizeBecomesItsCopy) {
    const QRgb blue = qRgb(30, 140, 220);
    const std::string jpeg = PngAsJpeg(FlatPng(8192, 8192, blue));  // 64 M pixels
    EXPECT_EQ(PixelSizeFromBytes(jpeg), QSize(8192, 8192));
    const QImage small = DecodeJpeg(jpeg, 8);
    ASSERT_FALSE(small.isNull());
    EXPECT_NEAR(qRed(small.pixel(500, 500)), qRed(blue), 4);
    EXPECT_NEAR(qBlue(small.pixel(500, 500)), qBlue(blue), 4);
}

TEST(PngDecoderTest, ChunksBeforeThePixelsCostOnlyTheirBytes) {
    const std::string turned = testing::CornerJpeg(8, 8, {{EXIF_IFD_0, 274, {}, 6}});
    const std::optional<ByteSpan> exif = FindJpegExif(turned);
    ASSERT_TRUE(exif);
    testing::PngChunks chunks{20000, turned.substr(exif->offset, exif->size),
                              QColorSpace(QColorSpace::DisplayP3).iccProfile()};
    const std::string jpeg = PngAsJpeg(FlatPng(64, 48, qRgb(200, 120, 60), chunks));
    // Turned by its EXIF orientation, in sRGB: Display P3's orange is redder.
    EXPECT_EQ(PixelSizeFromBytes(jpeg), QSize(48, 64));
    EXPECT_EQ(JpegOrientation(jpeg), 1);
    EXPECT_GT(qRed(DecodeJpeg(jpeg, 1).pixel(10, 10)), 210);
}

TEST(PngDecoderTest, BombsAreRefused) {
    // The last one's data ends early.
    for (const auto& [w, h] : {std::pair{8193, 8192}, {40000, 40000}, {8192, 8192}})
        EXPECT_TRUE(PngAsJpeg(testing::PngBomb(w, h)).empty()) << w;
}

}  // namespace
}  // namespace orelle
