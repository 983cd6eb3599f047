#include "platform/imaging/EmbeddedPreview.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <optional>
#include <tuple>

#include "platform/imaging/ExifTiff.h"
#include "platform/imaging/JpegLayout.h"
#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/ShotDateWriter.h"
#include "platform/imaging/StationCopy.h"
#include "support/HostileJpeg.h"
#include "support/PhonePhotos.h"

namespace orelle {
namespace {

using testing::CornerIndexes;
using testing::CornerPicture;
using testing::WithFrameSize;

std::string Jpeg(const QImage& picture) { return EncodeJpeg(picture, 90, {}); }

// A 160 x 120 thumbnail of a 3:2 photo: the picture between black bars.
QImage Letterboxed() {
    QImage box(160, 120, QImage::Format_RGB32);
    box.fill(Qt::black);
    QPainter(&box).drawImage(0, 7, CornerPicture(160, 107));
    return box;
}

TEST(EmbeddedPreview, ShowsTheThumbnailOnlyWhereItShowsThePicture) {
    const std::string thumb = Jpeg(CornerPicture(160, 120));
    const QSize full(1280, 960);
    // What the thumbnail is, the photo's size, the thumbnail, the size asked for at least, the
    // size shown (none: no preview).
    const std::tuple<const char*, QSize, std::string, QSize, std::optional<QSize>> cases[] = {
        {"a 4:3 photo's", full, thumb, {}, QSize(160, 120)},
        {"reduced for the cell", full, Jpeg(CornerPicture(320, 240)), {40, 30}, QSize(40, 30)},
        {"letterboxed, cut to the photo", {1500, 1000}, Jpeg(Letterboxed()), {}, QSize(160, 107)},
        {"landscape for a portrait photo", {960, 1280}, thumb, {}, std::nullopt},
        {"damaged", full, thumb.substr(0, thumb.size() / 2) + "\xFF\xD9", {}, std::nullopt},
        {"claiming a huge size", full, WithFrameSize(thumb, 4000, 3000), {}, std::nullopt},
        {"none", full, "", {}, std::nullopt},
    };
    for (const auto& [what, size, thumbnail, atLeast, shown] : cases) {
        SCOPED_TRACE(what);
        const std::string photo =
            WithExif(Jpeg(CornerPicture(64, 48)), {{0, 306, "2024:05:01 12:30:00"}}, thumbnail);
        const QImage preview = DecodeEmbeddedPreview(photo, size, atLeast);
        ASSERT_EQ(preview.isNull(), !shown);
        if (!shown) continue;
        EXPECT_EQ(preview.size(), *shown);
        EXPECT_EQ(CornerIndexes(preview), (std::array<int, 4>{0, 1, 2, 3}));
    }
}

// IFD 1's links are checked against the block; each byte at a time cut
// off or garbled gives no thumbnail or one that lies inside the block.
TEST(EmbeddedPreview, ThumbnailLinksStayInsideTheBlock) {
    const std::string photo =
        WithExif(Jpeg(CornerPicture(64, 48)), {}, Jpeg(CornerPicture(16, 16)));
    const std::optional<ByteSpan> exif = FindJpegExif(photo);
    ASSERT_TRUE(exif);
    const std::string tiff = photo.substr(exif->offset, exif->size);
    ASSERT_TRUE(ExifThumbnail(tiff));
    const auto inside = [](std::string_view block) {
        const std::optional<ByteSpan> span = ExifThumbnail(block);
        return !span || span->offset + span->size <= block.size();
    };
    for (std::size_t cut = 0; cut < tiff.size(); ++cut)
        EXPECT_TRUE(inside(std::string_view(tiff).substr(0, cut))) << "cut at " << cut;
    for (std::size_t at = 0; at < 64 && at < tiff.size(); ++at) {
        std::string garbled = tiff;
        garbled[at] = '\xFF';
        EXPECT_TRUE(inside(garbled)) << "garbled at " << at;
    }
}

// The station's upright copy of a turned photo turns its thumbnail with
// it; a thumbnail that cannot be turned shows no more.
TEST(EmbeddedPreview, AThumbnailShowsTurnedAsItsPictureBeforeAndAfterTheCopyIsTurned) {
    const std::string thumb = Jpeg(CornerPicture(160, 120));
    const std::array<int, 4> upright{2, 0, 3, 1};  // orientation 6: bottom left on top left ...
    for (const bool fits : {true, false}) {
        SCOPED_TRACE(fits ? "turned" : "cut");
        // A damaged thumbnail cannot be turned.
        const std::string stored = fits ? thumb : thumb.substr(0, thumb.size() / 2) + "\xFF\xD9";
        const StationCopy copy = StationCopyFromBytes(
            WithExif(Jpeg(CornerPicture(1280, 960)), {{0, 274, {}, 6}}, stored));
        ASSERT_FALSE(copy.asIs);
        const QImage preview = DecodeEmbeddedPreview(copy.made, {960, 1280});
        ASSERT_EQ(preview.isNull(), !fits);
        if (fits) {
            EXPECT_EQ(CornerIndexes(preview), upright);
        }
    }
    // Before its turn, a copy's thumbnail shows turned as its picture does.
    const std::string turned = WithExif(Jpeg(CornerPicture(1280, 960)), {{0, 274, {}, 6}}, thumb);
    EXPECT_EQ(CornerIndexes(DecodeEmbeddedPreview(turned, {960, 1280})), upright);
}

}  // namespace
}  // namespace orelle
