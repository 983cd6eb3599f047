// What the folder load makes of the photos phones bring: turned photos
// copied, shown upright and then turned upright in their place, HEIC and
// PNG photos copied as JPEG, and the files that claim far more than they
// hold kept unreadable and unordered.
#include <gtest/gtest.h>
#include <libexif/exif-ifd.h>

#include <chrono>
#include <cstdlib>

#include "orderdata/BackupJob.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/PhotoTree.h"
#include "orderdata/UprightCopies.h"
#include "platform/imaging/JpegDecoder.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/ShotDate.h"
#include "platform/imaging/StationCopy.h"
#include "platform/imaging/UprightJpeg.h"
#include "support/FakeDisks.h"
#include "support/PhonePhotos.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::CornerIndexes;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* kShot = "2025:06:01 08:15:00";

struct Loaded {
    std::string copy;  // the copy's path
    std::int32_t number = 0;
    std::string origName;
};

// The folder load's copying of one folder; with upright, its copies are
// turned as they are before an order names them.
std::vector<Loaded> LoadCard(const TempFolder& dir, bool upright = true) {
    LocalFileSystem fs;
    testing::FakeDisks disks;
    PrintCatalogue catalogue;
    BackupJob job(fs, disks, catalogue, kEditionDatabase);
    EXPECT_TRUE(job.CopyTree(FindTreePhotos(fs, dir / "card", {}), dir / "work"));
    if (upright) MakeCopiesUpright(fs, JobCopies(job.records, dir / "work"), kGoOn);
    std::vector<Loaded> out;
    for (std::int32_t i = 0; i < job.records.GetSize(); ++i) {
        const PhotoRecord& r = job.records.At(i);
        out.push_back({r.srcName, r.number, r.origName});
    }
    return out;
}

// The jpegtran option turning each orientation upright.
const char* const kJpegtran[9] = {
    "",           "",        "-flip horizontal", "-rot 180", "-flip vertical",
    "-transpose", "-rot 90", "-transverse",      "-rot 270"};
// Where the stored corners (0 top left, 1 top right, 2 bottom left,
// 3 bottom right) lie once upright, in the same order.
const std::array<int, 4> kUpright[9] = {{},           {0, 1, 2, 3}, {1, 0, 3, 2},
                                        {3, 2, 1, 0}, {2, 3, 0, 1}, {0, 2, 1, 3},
                                        {2, 0, 3, 1}, {3, 1, 2, 0}, {1, 3, 0, 2}};

TEST(PhoneLoadTest, EveryOrientationIsCopiedUprightWithItsTagAtOne) {
    // 64 x 48 fills whole 16 x 16 blocks: turned losslessly. 50 x 30 does
    // not: encoded again.
    for (const QSize size : {QSize(64, 48), QSize(50, 30)}) {
        for (int o = 1; o <= 8; ++o) {
            SCOPED_TRACE("orientation " + std::to_string(o) + ", width " +
                         std::to_string(size.width()));
            TempFolder dir;
            const std::string photo = testing::CornerJpeg(
                size.width(), size.height(),
                {{EXIF_IFD_0, 274, {}, static_cast<unsigned>(o)}, {EXIF_IFD_EXIF, 36867, kShot}});
            WriteBytes(dir / "card/IMG_1.JPG", photo);
            const QSize expected = o >= 5 ? size.transposed() : size;
            // Copied as it is, it shows and measures as it will once turned.
            const std::string before = ReadBytes(LoadCard(dir, false).at(0).copy);
            EXPECT_EQ(before, photo);
            EXPECT_EQ(PixelSizeFromBytes(before), expected);
            EXPECT_EQ(CornerIndexes(DecodeReducedFromBytes(before, 0)), kUpright[o]);
            const std::string copy = ReadBytes(LoadCard(dir).at(0).copy);
            const QImage upright = DecodeJpeg(copy, 1);
            EXPECT_EQ(upright.size(), expected);
            EXPECT_EQ(CornerIndexes(upright), kUpright[o]);
            EXPECT_EQ(JpegOrientation(copy), 1);
            EXPECT_EQ(ReadShotDateFromBytes(copy), kShot);
            if (o == 1) {
                EXPECT_EQ(copy, photo);  // as it was, byte for byte
                continue;
            }
            // A transposition never meets a partial block.
            const bool whole = o == 5 || (size.width() % 16 == 0 && size.height() % 16 == 0);
            EXPECT_EQ(StationCopyFromBytes(photo).lossless, whole);
            if (!whole) continue;
            // Lossless: the very pixels libjpeg-turbo's own tool gives.
            const std::string reference = dir / "reference.jpg";
            const std::string command = std::string("jpegtran -perfect -copy none ") +
                                        kJpegtran[o] + " -outfile '" + reference + "' '" +
                                        (dir / "card/IMG_1.JPG") + "'";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
            EXPECT_EQ(upright, DecodeJpeg(ReadBytes(reference), 1));
        }
    }
}

TEST(PhoneLoadTest, OnlyTheJobsTurnedCopiesAreTurned) {
    TempFolder dir;
    const std::string turned = testing::CornerJpeg(64, 48, {{EXIF_IFD_0, 274, {}, 6}});
    for (const char* name : {"work/a.jpg", "work/b.jpg", "card/own.jpg"})
        WriteBytes(dir / name, turned);
    WriteBytes(dir / "work/plain.jpg", testing::CornerJpeg(64, 48, {}));
    PhotoList list;
    for (const char* name : {"work/a.jpg", "card/own.jpg", "work/plain.jpg", "work/b.jpg"}) {
        auto record = std::make_unique<PhotoRecord>();
        record->srcName = dir / name;
        list.Append(std::move(record));
    }
    const std::vector<std::string> copies = JobCopies(list, dir / "work");
    // A photo used where the customer keeps it is never written.
    EXPECT_EQ(copies, (std::vector<std::string>{dir / "work/a.jpg", dir / "work/plain.jpg",
                                                dir / "work/b.jpg"}));
    LocalFileSystem fs;
    EXPECT_EQ(MakeCopiesUpright(fs, copies, kGoOn), 2);
    for (const char* name : {"work/a.jpg", "work/b.jpg"})
        EXPECT_EQ(JpegOrientation(ReadBytes(dir / name)), 1) << name;
    EXPECT_EQ(ReadBytes(dir / "card/own.jpg"), turned);
    EXPECT_EQ(MakeCopiesUpright(fs, copies, kGoOn), 0);
}

TEST(PhoneLoadTest, HeicAndPngBecomeJpegCopiesAndBombsStayUnordered) {
    TempFolder dir;
    const QImage corners = testing::CornerPicture(64, 48);
    WriteBytes(dir / "src/corners.png", testing::PngBytes(corners));
    const std::string heic = testing::HeicFrom(dir / "src/corners.png", dir / "src/c.heic");
    if (heic.empty()) {
        if (std::getenv("CI")) FAIL() << "heif-enc is missing";
        GTEST_SKIP() << "heif-enc is not installed";
    }
    WriteBytes(dir / "card/IMG_0001.HEIC", heic);
    // A phone's HEIC: turned, with its shot date.
    WriteBytes(
        dir / "src/phone.jpg",
        testing::CornerJpeg(64, 48, {{EXIF_IFD_0, 274, {}, 6}, {EXIF_IFD_EXIF, 36867, kShot}}));
    WriteBytes(dir / "card/IMG_0002.heic",
               testing::HeicFrom(dir / "src/phone.jpg", dir / "src/p.heic"));
    WriteBytes(dir / "card/img_0001.jpg", testing::CornerJpeg(64, 48, {}));  // its name is taken
    WriteBytes(dir / "card/sent.jpg", heic);  // a HEIC under a JPEG's name
    WriteBytes(dir / "card/shot.png", testing::PngBytes(testing::CornerPicture(40, 30, true)));
    WriteBytes(dir / "card/bomb.png", testing::PngBomb(40000, 40000));
    WriteBytes(dir / "card/bomb.heic", testing::HeifClaiming(heic, 40000, 40000));
    // A bomb decoded would take minutes; a loaded machine's sanitized build
    // takes a few seconds for the rest.
    const auto start = std::chrono::steady_clock::now();
    const std::vector<Loaded> loaded = LoadCard(dir);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    ASSERT_EQ(loaded.size(), 7u);
    const struct {
        const char* copy;
        const char* origName;
        std::int32_t number;
    } expected[] = {
        {"img_0001.jpg", "img_0001.heic", 1},  {"img_0002.jpg", "img_0002.heic", 1},
        {"bomb.heic", "bomb.heic", 0},         {"bomb.png", "bomb.png", 0},
        {"img_0001#1.jpg", "img_0001.jpg", 1}, {"sent.jpg", "sent.jpg", 1},
        {"shot.jpg", "shot.png", 1},
    };
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        SCOPED_TRACE(expected[i].origName);
        EXPECT_EQ(loaded[i].copy, dir / ("work/" + std::string(expected[i].copy)));
        EXPECT_EQ(loaded[i].origName, expected[i].origName);
        EXPECT_EQ(loaded[i].number, expected[i].number);
        // Ordered photos are JPEGs that read; the others read as no photo.
        EXPECT_EQ(ReadPixelSize(loaded[i].copy).has_value(), expected[i].number == 1);
    }
    EXPECT_EQ(CornerIndexes(DecodeJpeg(ReadBytes(loaded[0].copy), 1)), kUpright[1]);
    const std::string phone = ReadBytes(loaded[1].copy);
    EXPECT_EQ(CornerIndexes(DecodeJpeg(phone, 1)), kUpright[6]);
    EXPECT_EQ(JpegOrientation(phone), 1);
    EXPECT_EQ(ReadShotDateFromBytes(phone), kShot);
    // What was transparent is the white of the paper.
    const QImage shot = DecodeJpeg(ReadBytes(loaded[6].copy), 1);
    EXPECT_EQ(CornerIndexes(shot)[0], 0);
    EXPECT_GT(qGray(shot.pixel(2, 27)), 245);
}

}  // namespace
}  // namespace orelle
