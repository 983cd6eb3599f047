#include "cell/PicturePrefetch.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <thread>

#include "platform/files/FileSystem.h"
#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/ShotDateWriter.h"
#include "support/GatedFiles.h"
#include "support/MemoryFileSystem.h"
#include "support/PhonePhotos.h"
#include "support/TestJpeg.h"
#include "support/WatchedFiles.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;

using WatchedFiles = testing::WatchedFiles<MemoryFileSystem>;

TEST(PicturePrefetch, TakesWhatItReadOnceOnItsWorkers) {
    WatchedFiles files;
    files.files["/job/a.jpg"] = testing::JpegBytes(1280, 960, "2024:05:01 12:30:00");
    PicturePrefetch prefetch(files);
    const PicturePrefetch::Want want{"/job/a.jpg", std::nullopt, false, QSize(60, 40)};
    prefetch.Request(want);
    prefetch.Request(want);  // asked twice, read once
    const PicturePrefetch::Photo photo = prefetch.Take(want);
    ASSERT_TRUE(photo.pixels);
    EXPECT_EQ(*photo.pixels, QSize(1280, 960));
    EXPECT_EQ(photo.level, 1);
    EXPECT_EQ(photo.picture, DecodeReduced(files, "/job/a.jpg", 1, QSize(60, 40)));
    EXPECT_EQ(photo.shotDate, "2024:05:01 12:30:00");
    // Never asked for: read now, on a worker, not by the caller.
    const int before = files.photoReadsByOwner;
    const PicturePrefetch::Photo big = prefetch.Take({"/job/a.jpg", std::nullopt, true, QSize()});
    EXPECT_EQ(big.level, 0);
    EXPECT_EQ(big.picture.size(), QSize(1280, 960));
    EXPECT_EQ(files.photoReadsByOwner, before) << "the caller read a photo";
}

TEST(PicturePrefetch, UnreadableFilesAndFloodsOfRequestsAreHarmless) {
    MemoryFileSystem files;
    files.files["/job/bad.jpg"] = "not a picture";
    files.files["/job/good.jpg"] = testing::JpegBytes(64, 48);
    PicturePrefetch prefetch(files);
    // More than it keeps: the oldest nobody waits for are dropped.
    for (int i = 0; i < 40; ++i) prefetch.Request({"/job/bad.jpg", 0, false, QSize(i + 1, 1)});
    EXPECT_FALSE(prefetch.Take({"/job/bad.jpg", 0, false, QSize(40, 1)}).pixels);
    EXPECT_FALSE(prefetch.Take({"/job/missing.jpg", std::nullopt, false, {}}).pixels);
    EXPECT_EQ(prefetch.Take({"/job/good.jpg", std::nullopt, false, {}}).picture.size(),
              QSize(64, 48));
    // Destroyed with work still queued: the workers stop.
    for (int i = 0; i < 20; ++i) prefetch.Request({"/job/good.jpg", 2, false, QSize(i, i)});
}

// A photo with a thumbnail: its head (size, date, thumbnail) is there
// while its picture is still read, and the picture is handed over later
// on the thread that made the prefetch, unless a Take fetched it first.
TEST(PicturePrefetch, HandsTheHeadOverFirstAndThePictureLater) {
    testing::GatedFiles<WatchedFiles> files;
    const std::string thumbnail = EncodeJpeg(testing::CornerPicture(160, 120), 90, {});
    for (const char* name : {"/job/a.jpg", "/job/b.jpg"})
        files.files[name] =
            WithExif(testing::JpegBytes(1280, 960), {{0, 306, "2024:05:01 12:30:00"}}, thumbnail);
    PicturePrefetch prefetch(files);
    const PicturePrefetch::Want a{"/job/a.jpg", std::nullopt, false, QSize(60, 40)};
    const PicturePrefetch::Want b{"/job/b.jpg", std::nullopt, false, QSize(60, 40)};
    prefetch.Request(a);
    prefetch.Request(b);
    const PicturePrefetch::Photo head = prefetch.TakeHead(a);
    ASSERT_TRUE(head.pixels);
    EXPECT_EQ(*head.pixels, QSize(1280, 960));
    EXPECT_EQ(head.shotDate, "2024:05:01 12:30:00");
    EXPECT_EQ(head.preview.size(), QSize(80, 60));  // reduced: still over 60 x 40
    EXPECT_TRUE(head.picture.isNull());
    EXPECT_FALSE(head.pictureRead);
    std::vector<std::thread::id> handedOn;
    QImage picture;
    prefetch.TakeLater(a, [&](PicturePrefetch::Photo p) {
        handedOn.push_back(std::this_thread::get_id());
        picture = p.picture;
    });
    prefetch.TakeHead(b);
    bool lateB = false;
    prefetch.TakeLater(b, [&](PicturePrefetch::Photo) { lateB = true; });
    files.Open();
    // Both read, their hand-overs queued: the Take still has b, unread again.
    prefetch.WaitIdle();
    const int reads = files.photoReads;
    EXPECT_EQ(prefetch.Take(b).picture.size(), QSize(320, 240));  // 1280 / 4
    EXPECT_EQ(files.photoReads, reads);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(handedOn.size(), 1u);
    EXPECT_EQ(handedOn[0], std::this_thread::get_id());
    EXPECT_EQ(picture.size(), QSize(320, 240));
    EXPECT_FALSE(lateB) << "handed over after a Take had it";
}

}  // namespace
}  // namespace orelle
