// Looking for faces in one photo: the picture a small cell decodes of a
// 12-megapixel camera photo, as the station's finder looks at it
// (face_detect_ms, the best of a few runs; the finder runs on one core).

#include <QSize>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "cell/FrameLayout.h"
#include "platform/imaging/FaceDetector.h"
#include "platform/imaging/PictureFile.h"
#include "platform/paths/Paths.h"
#include "support/CameraJpeg.h"
#include "support/Timing.h"

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    const std::string file = orelle::paths::Join(scratch, "face_detect.jpg");
    orelle::bench::WriteCameraJpeg(file, 7);
    const QImage picture =
        orelle::DecodeReduced(file, orelle::LoadReductionLevel(4000, 3000, false), QSize(289, 214));
    if (picture.isNull()) return 1;
    const auto detector = orelle::MakeCascadeFaceDetector();
    std::size_t faces = detector->Find(picture).size();  // the cascade loads here
    double best = 1e9;
    const double cpuStart = orelle::bench::CpuSeconds();
    constexpr int kRepeats = 5;
    for (int rep = 0; rep < kRepeats; ++rep) {
        const auto start = std::chrono::steady_clock::now();
        faces = detector->Find(picture).size();
        best = std::min(best, orelle::bench::SecondsSince(start));
    }
    std::printf("# CPU time per picture: %.0f ms\n",
                (orelle::bench::CpuSeconds() - cpuStart) / kRepeats * 1e3);
    std::printf("# the cell's picture of a 4000x3000 photo is %dx%d; faces found: %zu\n",
                picture.width(), picture.height(), faces);
    orelle::bench::Figure("face_detect_ms", best * 1e3, "ms");
    return 0;
}
