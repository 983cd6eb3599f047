#include "cell/PicturePrefetch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/files/FileSystem.h"
#include "platform/imaging/PictureFile.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using testing::TempFolder;

// Asks until a worker has it: Take gives nothing for a request no worker
// has started yet.
std::optional<QImage> Prefetched(PicturePrefetch& prefetch, const std::string& path, int level,
                                 QSize atLeast) {
    std::optional<QImage> picture;
    for (int i = 0; i < 200 && !picture; ++i) {
        prefetch.Request(path, level, atLeast);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        picture = prefetch.Take(path, level, atLeast);
    }
    return picture;
}

TEST(PicturePrefetch, HandsOverWhatItDecodedOnce) {
    TempFolder dir;
    testing::WriteJpeg(dir / "a.jpg", 640, 480);
    PicturePrefetch prefetch(FileSystem::Default());
    prefetch.Request(dir / "a.jpg", 2, QSize(60, 40));
    prefetch.Request(dir / "a.jpg", 2, QSize(60, 40));  // asked twice, decoded once
    // A worker picks it up at once; Take waits for it when it is under way.
    const std::optional<QImage> picture = Prefetched(prefetch, dir / "a.jpg", 2, QSize(60, 40));
    ASSERT_TRUE(picture);
    EXPECT_EQ(*picture, DecodeReduced(dir / "a.jpg", 2, QSize(60, 40)));
    EXPECT_FALSE(prefetch.Take(dir / "a.jpg", 2, QSize(60, 40))) << "taken already";
    EXPECT_FALSE(prefetch.Take(dir / "a.jpg", 1, QSize(60, 40))) << "never asked for";
}

TEST(PicturePrefetch, UnreadableFilesAndManyRequestsAreHarmless) {
    TempFolder dir;
    testing::WriteNotAJpeg(dir / "bad.jpg");
    PicturePrefetch prefetch(FileSystem::Default());
    for (int i = 0; i < 40; ++i) prefetch.Request(dir / "bad.jpg", 0, QSize(i + 1, 1));
    const std::optional<QImage> bad = prefetch.Take(dir / "bad.jpg", 0, QSize(40, 1));
    EXPECT_TRUE(!bad || bad->isNull());
    // Destroyed with work still queued: the workers stop.
}

TEST(PicturePrefetch, ReadsThroughItsFileSystem) {
    testing::MemoryFileSystem memory;
    memory.files["/card/m.jpg"] = testing::JpegBytes(320, 240);
    PicturePrefetch prefetch(memory);
    const std::optional<QImage> picture = Prefetched(prefetch, "/card/m.jpg", 1, QSize());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSize(80, 60));
}

}  // namespace
}  // namespace orelle
