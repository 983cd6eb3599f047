// Photos as a card may bring them: the hostile ones are unreadable in
// bounded time and memory, the unusual good ones still decode.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <tuple>

#include "platform/imaging/PictureFile.h"
#include "support/HostileJpeg.h"

namespace orelle {
namespace {

using testing::CutAndClosed;
using testing::EncodedJpeg;
using testing::JpegKind;
using testing::WithCommentFlood;
using testing::WithEmptyScans;
using testing::WithFrameSize;
using testing::WithStrayBytes;

TEST(HostilePhotoTest, UnreadableAtEveryLevel) {
    const std::string small = EncodedJpeg(64, 48);
    const std::string progressive = EncodedJpeg(64, 48, JpegKind::kRgb, true);
    const std::string photo = EncodedJpeg(800, 600);
    // What the picture is, and whether its pixel size alone is still believable.
    const std::tuple<const char*, std::string, bool> cases[] = {
        // A few hundred bytes claiming billions of pixels.
        {"46000 x 46000 progressive", WithFrameSize(progressive, 46000, 46000), false},
        {"30000 x 30000 over a small scan", WithFrameSize(small, 30000, 30000), true},
        {"80000 empty comments", WithCommentFlood(photo, 80000), false},
        {"20000 empty scans", WithEmptyScans(progressive, 20000), true},
        {"first half closed by an end marker", CutAndClosed(photo, photo.size() / 2), true},
        {"cut before the end marker", photo.substr(0, photo.size() - 2), true},
        {"no frame at all", "\xFF\xD8\xFF\xD9", false},
        {"a side of zero", WithFrameSize(small, 0, 48), false},
    };
    for (const auto& [name, bytes, headerReads] : cases) {
        EXPECT_EQ(PixelSizeFromBytes(bytes).has_value(), headerReads) << name;
        for (int level : {0, 1, 2})
            EXPECT_TRUE(DecodeReducedFromBytes(bytes, level).isNull()) << name << " " << level;
    }
}

TEST(HostilePhotoTest, UnusualGoodPhotosStillDecodeInTheirTones) {
    const std::tuple<const char*, std::string, QSize> cases[] = {
        {"progressive", EncodedJpeg(640, 480, JpegKind::kRgb, true), {640, 480}},
        {"CMYK", EncodedJpeg(320, 240, JpegKind::kCmyk), {320, 240}},
        {"grey", EncodedJpeg(320, 240, JpegKind::kGrey), {320, 240}},
        {"1 x 1", EncodedJpeg(1, 1), {1, 1}},
        {"20000 x 300", EncodedJpeg(20000, 300), {20000, 300}},
        {"stray bytes between segments", WithStrayBytes(EncodedJpeg(320, 240)), {320, 240}},
        {"16384 x 16384", EncodedJpeg(16384, 16384), {16384, 16384}},
    };
    for (const auto& [name, bytes, size] : cases) {
        EXPECT_EQ(PixelSizeFromBytes(bytes), size) << name;
        const QImage picture = DecodeReducedFromBytes(bytes, 2);
        EXPECT_EQ(picture.size(), QSize((size.width() + 7) / 8, (size.height() + 7) / 8)) << name;
    }
    // CMYK and grey keep their tones.
    const QImage grey = DecodeReducedFromBytes(EncodedJpeg(64, 64, JpegKind::kGrey), 0);
    EXPECT_EQ(grey.format(), QImage::Format_Grayscale8);
    // Inverted CMYK, as Adobe writes it: all-zero ink values are black.
    const QImage cmyk = DecodeReducedFromBytes(EncodedJpeg(64, 64, JpegKind::kCmyk), 0);
    EXPECT_LT(qGray(cmyk.pixel(0, 0)), 40);
    EXPECT_GT(qGray(cmyk.pixel(63, 63)), qGray(cmyk.pixel(0, 0)));
}

}  // namespace
}  // namespace orelle
