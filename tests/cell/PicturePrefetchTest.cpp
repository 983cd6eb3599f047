#include "cell/PicturePrefetch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/imaging/PictureFile.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using testing::TempFolder;

TEST(PicturePrefetch, HandsOverWhatItDecodedOnce) {
    TempFolder dir;
    testing::WriteJpeg(dir / "a.jpg", 640, 480);
    PicturePrefetch prefetch;
    prefetch.Request(dir / "a.jpg", 2, QSize(60, 40));
    prefetch.Request(dir / "a.jpg", 2, QSize(60, 40));  // asked twice, decoded once
    // A worker picks it up at once; Take waits for it when it is under way.
    std::optional<QImage> picture;
    for (int i = 0; i < 200 && !picture; ++i) {
        picture = prefetch.Take(dir / "a.jpg", 2, QSize(60, 40));
        if (!picture) {
            prefetch.Request(dir / "a.jpg", 2, QSize(60, 40));
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    ASSERT_TRUE(picture);
    EXPECT_EQ(*picture, DecodeReduced(dir / "a.jpg", 2, QSize(60, 40)));
    EXPECT_FALSE(prefetch.Take(dir / "a.jpg", 2, QSize(60, 40))) << "taken already";
    EXPECT_FALSE(prefetch.Take(dir / "a.jpg", 1, QSize(60, 40))) << "never asked for";
}

TEST(PicturePrefetch, UnreadableFilesAndManyRequestsAreHarmless) {
    TempFolder dir;
    testing::WriteNotAJpeg(dir / "bad.jpg");
    PicturePrefetch prefetch;
    for (int i = 0; i < 40; ++i) prefetch.Request(dir / "bad.jpg", 0, QSize(i + 1, 1));
    const std::optional<QImage> bad = prefetch.Take(dir / "bad.jpg", 0, QSize(40, 1));
    EXPECT_TRUE(!bad || bad->isNull());
    // Destroyed with work still queued: the workers stop.
}

}  // namespace
}  // namespace orelle
