#include <gtest/gtest.h>
#include <libexif/exif-ifd.h>

#include <QImage>
#include <string>
#include <tuple>

#include "platform/files/FileDevice.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/Imprint.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/PictureRotation.h"
#include "platform/imaging/ShotDate.h"
#include "platform/imaging/ShotDateWriter.h"
#include "support/MemoryFileSystem.h"
#include "support/PhonePhotos.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using testing::JpegBytes;
using testing::MemoryFileSystem;
using testing::PngBytes;
using testing::TempFolder;
using testing::WriteBytes;

const QRgb kOrange = qRgb(255, 128, 0);
const QRgb kCornerGrey = qRgb(124, 124, 124);

std::string Segment(unsigned char marker, const std::string& payload) {
    const std::size_t length = payload.size() + 2;
    return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8),
                       static_cast<char>(length & 0xFF)} +
           payload;
}

std::string AfterSoi(std::string jpeg, const std::string& segment) {
    return jpeg.insert(2, segment);
}

TEST(ReducedDenominatorTest, LargestWithinLevelThatCoversAtLeastAndTheDecoderUsesIt) {
    const QSize camera(4000, 3000);
    // The picture's size, the level, the size asked for at least, the denominator.
    const std::tuple<QSize, int, QSize, int> cases[] = {
        {camera, 0, {}, 1},
        {camera, 1, {}, 4},
        {camera, 2, {}, 8},
        {camera, 7, {}, 8},
        {camera, -1, {}, 1},
        {camera, 2, {500, 375}, 8},
        {camera, 2, {501, 375}, 4},
        {camera, 2, {1000, 751}, 2},
        {camera, 2, {2001, 1}, 1},
        // Sides that are no multiple of 8: libjpeg rounds up.
        {{4001, 3001}, 2, {501, 376}, 8},
        {{4001, 3001}, 2, {502, 376}, 4},
    };
    for (const auto& [full, level, atLeast, expected] : cases) {
        EXPECT_EQ(ReducedDenominator(full, level, atLeast), expected)
            << full.width() << "x" << full.height() << " level " << level << " at least "
            << atLeast.width() << "x" << atLeast.height();
    }
    // The decoder follows it.
    EXPECT_EQ(DecodeReducedFromBytes(JpegBytes(800, 600), 2, {240, 160}).size(), QSize(400, 300));
}

// What phones and cameras write: the shot time is preferred to the time
// of the last change; of one tag, the first IFD in order wins.
TEST(ShotDateTest, ShotTimeBeforeDigitisedBeforeLastChangeAndNoneInDamagedBytes) {
    const ExifField inExif{EXIF_IFD_EXIF, 306, "in exif"};
    const ExifField original{EXIF_IFD_EXIF, 36867, "2023:07:01 10:00:00"};
    const ExifField digitised{EXIF_IFD_EXIF, 36868, "2023:07:02 11:00:00"};
    const ExifField changed{EXIF_IFD_0, 306, "2024:01:05 09:00:00"};
    const std::pair<std::vector<ExifField>, const char*> cases[] = {
        {{original}, "2023:07:01 10:00:00"},
        {{changed}, "2024:01:05 09:00:00"},
        {{changed, digitised}, "2023:07:02 11:00:00"},
        {{changed, digitised, original}, "2023:07:01 10:00:00"},
        {{ExifField{EXIF_IFD_0, 274, {}, 6}}, ""},
        {{inExif}, "in exif"},
        {{inExif, ExifField{EXIF_IFD_0, 306, "in 0"}}, "in 0"},
        {{inExif, ExifField{EXIF_IFD_1, 306, "in 1"}}, "in 1"},
    };
    for (const auto& [fields, date] : cases)
        EXPECT_EQ(ReadShotDateFromBytes(WithExif(JpegBytes(8, 8), fields)), date) << date;
    // Damaged bytes have none.
    const std::string dated = JpegBytes(8, 8, "2020:01:01 00:00:00");
    const std::string damaged[] = {
        "\xFF\xD8\xFF\xE1\xFF\xFF"
        "Exif",
        "\xFF\xD8\xFF\xE1\x00\x01",
        AfterSoi("\xFF\xD8", Segment(0xE1, std::string("Exif\0\0", 6) + std::string(40, '\xEE'))),
        AfterSoi("\xFF\xD8", Segment(0xE1, std::string("Exif\0\0MM\0\x2a\xFF\xFF\xFF\xFF", 14))),
        dated.substr(0, 40),
        std::string(5000, '\xFF'),
        dated.substr(2),
    };
    for (const std::string& bytes : damaged) EXPECT_EQ(ReadShotDateFromBytes(bytes), "");
}

// Segments of n bytes in all, of a kind no reader looks at.
std::string Padding(std::size_t n) {
    std::string out;
    for (; n >= 60000; n -= 60000) out += Segment(0xE2, std::string(60000 - 4, 'i'));
    return out;
}

// Counts what is read, to show how much of a file a reader takes.
struct CountingFileSystem : MemoryFileSystem {
    bool ReadFile(const std::string& path, std::string* contents) override {
        const bool ok = MemoryFileSystem::ReadFile(path, contents);
        if (ok) bytesRead += contents->size();
        return ok;
    }
    bool ReadFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                      std::string* bytes) override {
        const bool ok = MemoryFileSystem::ReadFilePart(path, offset, size, bytes);
        if (ok) bytesRead += bytes->size();
        return ok;
    }
    std::size_t bytesRead = 0;
};

TEST(PhotoThroughFileSystemTest, SizeDateAndPictureOfEveryKindOfFile) {
    const std::string jpeg = JpegBytes(400, 300);
    const std::string dated = JpegBytes(64, 48, "2024:05:01 12:30:00");
    const std::string padded = AfterSoi(dated, Padding(300000));
    const std::string xmp = Segment(0xE1, "http://ns.adobe.com/xap/1.0/" + std::string(100, 'x'));
    constexpr QSize kNull(0, 0);  // a null image's size
    // What the file is, its pixel size, its size decoded at level 1, its shot date.
    const std::tuple<const char*, std::string, std::optional<QSize>, QSize, std::string> cases[] = {
        {"landscape", JpegBytes(64, 48), QSize(64, 48), {16, 12}, ""},
        {"dated", dated, QSize(64, 48), {16, 12}, "2024:05:01 12:30:00"},
        {"date behind long segments", padded, QSize(64, 48), {16, 12}, "2024:05:01 12:30:00"},
        {"date behind XMP", AfterSoi(dated, xmp), QSize(64, 48), {16, 12}, "2024:05:01 12:30:00"},
        {"tail", jpeg + std::string(5000, '\x55'), QSize(400, 300), {100, 75}, ""},
        {"png", PngBytes(QImage(40, 30, QImage::Format_RGB32)), std::nullopt, kNull, ""},
        {"empty", "", std::nullopt, kNull, ""},
    };
    MemoryFileSystem memory;
    memory.CreateDirectories("/m");
    for (const auto& [name, bytes, pixels, decoded, date] : cases) {
        SCOPED_TRACE(name);
        memory.files["/m/p.jpg"] = bytes;
        EXPECT_EQ(ReadPixelSize(memory, "/m/p.jpg"), pixels);
        EXPECT_EQ(PixelSizeFromBytes(bytes), pixels);
        EXPECT_EQ(ReadShotDate(memory, "/m/p.jpg"), date);
        EXPECT_EQ(ReadShotDateFromBytes(bytes), date);
        EXPECT_EQ(DecodeReduced(memory, "/m/p.jpg", 1).size(), decoded);
        for (int level : {0, 2}) {
            // The decoder would fill a cut picture with grey and report success.
            const QImage image = DecodeReduced(memory, "/m/p.jpg", level);
            EXPECT_EQ(image.isNull(), decoded == kNull) << level;
            if (level == 0 && !image.isNull()) {
                EXPECT_EQ(image.size(), pixels);
            }
        }
    }
    // The machine's own files answer alike.
    TempFolder dir;
    WriteBytes(dir / "p.jpg", dated);
    EXPECT_EQ(ReadPixelSize(dir / "p.jpg"), QSize(64, 48));
    EXPECT_EQ(ReadShotDate(dir / "p.jpg"), "2024:05:01 12:30:00");
    EXPECT_EQ(DecodeReduced(dir / "p.jpg", 1).size(), QSize(16, 12));
    EXPECT_EQ(ReadPixelSize(memory, "/m/none.jpg"), std::nullopt);
    EXPECT_EQ(ReadShotDate(memory, "/m/none.jpg"), "");
    EXPECT_TRUE(DecodeReduced(memory, "/m/none.jpg", 0).isNull());
    EXPECT_EQ(ReadPixelSize(dir.path()), std::nullopt) << "a folder";
    EXPECT_EQ(ReadPixelSize(memory, "/m"), std::nullopt) << "a folder";
}

TEST(PhotoThroughFileSystemTest, HeadersAreReadWithoutTheWholeFile) {
    CountingFileSystem memory;
    const std::string big = JpegBytes(64, 48, "2020:01:01 00:00:00") + std::string(20 << 20, 'z');
    memory.files["/big.jpg"] = big;
    EXPECT_EQ(ReadPixelSize(memory, "/big.jpg"), QSize(64, 48));
    EXPECT_EQ(ReadShotDate(memory, "/big.jpg"), "2020:01:01 00:00:00");
    EXPECT_LE(memory.bytesRead, std::size_t{2} << 17);

    // Segments without end before any frame: the search gives up at the
    // head's limit.
    memory.files["/endless.jpg"] = "\xFF\xD8" + Padding(FileDevice::kHeadLimit + (1 << 20));
    memory.bytesRead = 0;
    EXPECT_EQ(ReadPixelSize(memory, "/endless.jpg"), std::nullopt);
    EXPECT_LE(memory.bytesRead, FileDevice::kHeadLimit);
    memory.bytesRead = 0;
    EXPECT_EQ(ReadShotDate(memory, "/endless.jpg"), "");
    EXPECT_LE(memory.bytesRead, FileDevice::kHeadLimit);

    memory.bytesRead = 0;
    EXPECT_EQ(DecodeReduced(memory, "/big.jpg", 2).size(), QSize(8, 6));
    EXPECT_EQ(memory.bytesRead, big.size()) << "decoded from the file read whole";
}

// A 3x2 picture whose pixels are all different, to follow them around.
QImage Marked() {
    QImage image(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgb(x * 100, y * 100, 7));
    return image;
}

TEST(RotatePictureTest, QuarterAndFullTurnsMovePixelsExactly) {
    const QImage src = Marked();
    const QImage ccw = RotatePicture(src, 90);
    ASSERT_EQ(ccw.size(), QSize(2, 3));
    // Counter-clockwise: the top-right corner comes to the top left.
    EXPECT_EQ(ccw.pixel(0, 0), src.pixel(2, 0));
    EXPECT_EQ(ccw.pixel(1, 2), src.pixel(0, 1));
    const QImage half = RotatePicture(src, 180);
    EXPECT_EQ(half.pixel(0, 0), src.pixel(2, 1));
    const QImage cw = RotatePicture(src, 270);
    EXPECT_EQ(cw.pixel(0, 0), src.pixel(0, 1));
    EXPECT_EQ(RotatePicture(src, -90), cw);
    EXPECT_EQ(RotatePicture(src, 450), ccw);
    EXPECT_EQ(RotatePicture(src, 0), src);
    EXPECT_TRUE(RotatePicture(QImage(), 30).isNull());
}

TEST(RotatePictureTest, OtherAnglesGrowAndFillCornersGrey) {
    QImage src(100, 60, QImage::Format_RGB32);
    src.fill(qRgb(0, 0, 255));
    const QImage turned = RotatePicture(src, 45);
    EXPECT_NEAR(turned.width(), 113, 1);  // (100 + 60) / sqrt(2)
    EXPECT_NEAR(turned.height(), 113, 1);
    EXPECT_EQ(turned.pixel(0, 0), kCornerGrey);
    EXPECT_EQ(turned.pixel(turned.width() - 1, turned.height() - 1), kCornerGrey);
    EXPECT_EQ(turned.pixel(turned.width() / 2, turned.height() / 2), qRgb(0, 0, 255));
    // 45 degrees counter-clockwise lifts the right end: the top-right
    // corner of the box stays grey only near the very edge.
    EXPECT_EQ(turned.pixel(turned.width() * 3 / 4, turned.height() / 4), qRgb(0, 0, 255));
    EXPECT_EQ(turned.pixel(turned.width() / 4, turned.height() / 4), kCornerGrey);
}

bool HasPixel(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) return true;
    return false;
}

TEST(ImprintTest, DrawsOrangeBelowAndRightOfTheOrigin) {
    QImage white(240, 100, QImage::Format_RGB32);
    white.fill(Qt::white);
    QImage picture = white;
    DrawTextOnPicture(picture, "2024 05 01", "宋体", 24, 40, 30);
    EXPECT_TRUE(HasPixel(picture, kOrange));
    EXPECT_NE(picture.copy(40, 30, 200, 30), white.copy(40, 30, 200, 30));
    EXPECT_EQ(picture.copy(0, 0, 240, 29), white.copy(0, 0, 240, 29));
    EXPECT_EQ(picture.copy(0, 0, 38, 100), white.copy(0, 0, 38, 100));
    // The font is of the pixel size asked for, and at least 1.
    EXPECT_EQ(ImprintFontSize("宋体", 24), 24);
    EXPECT_EQ(ImprintFontSize("宋体", 0), 1);
    // Grey pictures get colour.
    QImage grey(120, 40, QImage::Format_Grayscale8);
    grey.fill(Qt::black);
    DrawTextOnPicture(grey, "日期", "宋体", 20, 2, 2);
    EXPECT_TRUE(HasPixel(grey, kOrange));
}

}  // namespace
}  // namespace orelle
