// Writes the fuzzer's starting corpus into the folder given: tiny JPEGs
// with and without a recorded date, their cut-off heads, progressive, grey
// and CMYK ones, and the hostile shapes (floods, oversized frames).

#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "platform/paths/Paths.h"
#include "support/HostileJpeg.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    using namespace orelle::testing;
    const std::string folder = argv[1];
    const std::string dated = JpegBytes(16, 8, "2024:05:01 12:30:00");
    const std::string plain = JpegBytes(8, 16);
    const std::string nested = JpegBytesWithDates(4, 4, {{2, "2001:02:03 04:05:06"}, {1, "x"}});
    const std::pair<const char*, std::string> seeds[] = {
        {"dated.jpg", dated},
        {"plain.jpg", plain},
        {"nested.jpg", nested},
        {"dated-head.jpg", dated.substr(0, 300)},
        {"one-pixel.jpg", JpegBytes(1, 1)},
        {"progressive.jpg", EncodedJpeg(24, 16, JpegKind::kRgb, true)},
        {"grey.jpg", EncodedJpeg(16, 16, JpegKind::kGrey)},
        {"cmyk.jpg", EncodedJpeg(16, 16, JpegKind::kCmyk)},
        {"huge-frame.jpg", WithFrameSize(EncodedJpeg(16, 16, JpegKind::kRgb, true), 30000, 30000)},
        {"comments.jpg", WithCommentFlood(plain, 5000)},
        {"scans.jpg", WithEmptyScans(EncodedJpeg(16, 16, JpegKind::kRgb, true), 200)},
        {"cut-closed.jpg", CutAndClosed(plain, plain.size() / 2)},
    };
    for (const auto& [name, bytes] : seeds) WriteBytes(orelle::paths::Join(folder, name), bytes);
    return 0;
}
