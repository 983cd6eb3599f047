// Reduced decoding (level 2, 1/8 linear) of camera-like photos, against
// djpeg -scale 1/8 from libjpeg-turbo on the same files.

#include <QFileInfo>
#include <QImage>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/imaging/PictureFile.h"
#include "platform/paths/Paths.h"
#include "support/CameraJpeg.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace {

constexpr int kFiles = 6;
constexpr int kRepeats = 3;

// The best of kRepeats runs, each decoding every file once.
double BestDecodeSeconds(const std::vector<std::string>& files, int level) {
    double best = 1e9;
    for (int r = 0; r < kRepeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (const std::string& f : files) {
            if (orelle::DecodeReduced(f, level).isNull()) return -1;
        }
        best = std::min(best, orelle::bench::SecondsSince(start));
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    std::vector<std::string> files;
    double bytes = 0;
    const auto made = std::chrono::steady_clock::now();
    for (int i = 0; i < kFiles; ++i) {
        files.push_back(orelle::paths::Join(scratch, "camera_" + std::to_string(i) + ".jpg"));
        orelle::bench::WriteCameraJpeg(files.back(), static_cast<std::uint32_t>(i + 1));
        bytes += static_cast<double>(QFileInfo(QString::fromStdString(files.back())).size());
    }
    std::printf("# %d camera-like 4000x3000 JPEGs, %.1f MB each on average, made in %.1f s\n",
                kFiles, bytes / kFiles / 1e6, orelle::bench::SecondsSince(made));

    const double reduced = BestDecodeSeconds(files, 2);
    const double full = BestDecodeSeconds(files, 0);
    if (reduced < 0 || full < 0) return 1;
    std::printf("# full-size decode of the same files: %.0f ms (%.1f times the 1/8 decode)\n",
                full * 1e3, full / reduced);
    orelle::bench::Figure("decode_reduced_1_8_ms", reduced * 1e3, "ms");

    if (!orelle::bench::HaveProgram("djpeg")) {
        std::printf("# djpeg not found (libjpeg-turbo-progs): no reference\n");
        return 0;
    }
    double djpeg = 0;
    for (const std::string& f : files) {
        const double t = orelle::bench::TimeCommand({"djpeg", "-scale", "1/8", f}, kRepeats);
        if (t < 0) return 1;
        djpeg += t;
    }
    // Same pixels as djpeg means libjpeg itself did the scaling.
    const std::string ppm = orelle::paths::Join(scratch, "camera_0_1_8.ppm");
    orelle::bench::TimeCommand({"djpeg", "-scale", "1/8", "-outfile", ppm, files[0]}, 1);
    const QImage ours = orelle::DecodeReduced(files[0], 2).convertToFormat(QImage::Format_RGB32);
    const QImage theirs = QImage(QString::fromStdString(ppm)).convertToFormat(QImage::Format_RGB32);
    std::printf("# our 1/8 picture is identical to djpeg's: %s\n", ours == theirs ? "yes" : "no");
    orelle::bench::Figure("djpeg_1_8_ms", djpeg * 1e3, "ms");
    orelle::bench::Ratio("decode_reduced_1_8_vs_djpeg", reduced, djpeg);
    return ours == theirs ? 0 : 1;
}
