// A busy shop's job: folder loads of 5000 and 20 000 small photos (100 a
// folder), the time of each, the cost per photo of the larger against the
// smaller (flat when the load grows linearly), and the peak memory.

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/paths/Paths.h"
#include "support/BenchApplication.h"
#include "support/FolderLoadRun.h"
#include "support/PeakMemory.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace {

namespace fs = std::filesystem;
using orelle::paths::Join;

constexpr int kPerFolder = 100;
constexpr int kRounds = 3;

// A small JPEG, written once and copied count times; kept between runs.
bool MakeCard(const std::string& card, int count, const std::string& photo) {
    const std::string done = Join(card, ".complete");
    if (fs::exists(done)) return true;
    std::error_code ec;
    fs::remove_all(card, ec);
    for (int i = 0; i < count; ++i) {
        const std::string folder = Join(card, "F" + std::to_string(i / kPerFolder));
        if (i % kPerFolder == 0) fs::create_directories(folder, ec);
        // Names repeat from folder to folder, as a camera's do.
        std::ofstream(Join(folder, "IMG_" + std::to_string(i % kPerFolder) + ".JPG"),
                      std::ios::binary)
            .write(photo.data(), static_cast<std::streamsize>(photo.size()));
    }
    std::ofstream mark(done);
    return static_cast<bool>(mark);
}

std::string SmallJpeg() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes.toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);

    const std::string base = Join(scratch, "folder_load_many");
    const std::string photo = SmallJpeg();
    const std::string backup = Join(base, "backup");
    const int counts[2] = {5000, 20000};
    std::vector<double> times[2], cpTimes[2];
    const std::string cpCopy = Join(base, "cp_copy");
    // In turn, so that a busy spell of the disk weighs on both alike.
    for (int round = 0; round < kRounds; ++round) {
        for (int k = 0; k < 2; ++k) {
            const std::string card = Join(base, "card_" + std::to_string(counts[k]));
            if (!MakeCard(card, counts[k], photo)) return 1;
            const double t = orelle::bench::TimeFolderLoad(card, backup, counts[k]);
            orelle::bench::RemoveAndSettle(backup);
            const double c = orelle::bench::TimeDurableCopy(card, cpCopy);
            orelle::bench::RemoveAndSettle(cpCopy);
            if (t < 0 || c < 0) return 1;
            times[k].push_back(t);
            cpTimes[k].push_back(c);
        }
    }
    const double seconds[2] = {orelle::bench::Median(times[0]), orelle::bench::Median(times[1])};
    const double cp[2] = {orelle::bench::Median(cpTimes[0]), orelle::bench::Median(cpTimes[1])};
    const double peak = orelle::bench::PeakRssMb();
    std::printf("# folder loads of small photos, median of %d: 5000 in %.2f s, 20000 in %.2f s\n",
                kRounds, seconds[0], seconds[1]);
    // The file system's own growth, for comparison: cp -r and sync of the same trees.
    std::printf(
        "# cp -r and sync of the same trees: %.2f s and %.2f s (per file, 20000 vs 5000: %.3f)\n",
        cp[0], cp[1], (cp[1] / counts[1]) / (cp[0] / counts[0]));
    orelle::bench::Figure("folder_load_20000_s", seconds[1], "s");
    orelle::bench::Ratio("folder_load_20000_vs_cp", seconds[1], cp[1]);
    orelle::bench::Figure("folder_load_20000_peak_rss_mb", peak, "MB");
    orelle::bench::Ratio("folder_load_per_photo_20000_vs_5000", seconds[1] / counts[1],
                         seconds[0] / counts[0]);
    return 0;
}
