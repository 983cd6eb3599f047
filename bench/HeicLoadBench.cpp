// Starting a job from 50 HEIC photos of 12 megapixels, each copied into the
// work folder as a JPEG, against Debian's heif-convert turning the same
// photos into JPEG files one after another.

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/paths/Paths.h"
#include "support/BenchApplication.h"
#include "support/CameraJpeg.h"
#include "support/FolderLoadRun.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace {

namespace fs = std::filesystem;
using orelle::paths::Join;

constexpr int kPhotos = 50;
constexpr int kRounds = 3;

std::string PhotoName(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "IMG_%04d.HEIC", i + 1);
    return name;
}

// DCIM/100APPLE/IMG_nnnn.HEIC, copies of one camera-like picture encoded
// by heif-enc; kept between runs once complete.
bool MakeCard(const std::string& card) {
    const std::string done = Join(card, ".complete");
    if (fs::exists(done)) return true;
    std::error_code ec;
    fs::remove_all(card, ec);
    const std::string folder = Join(card, "DCIM/100APPLE");
    fs::create_directories(folder);
    const std::string jpeg = Join(card, "master.jpg");
    const std::string heic = Join(card, "master.heic");
    orelle::bench::WriteCameraJpeg(jpeg, 1234, 4032, 3024);
    if (orelle::bench::TimeCommand({"heif-enc", "-q", "80", "-o", heic, jpeg}, 1) < 0) return false;
    for (int i = 0; i < kPhotos; ++i) {
        fs::copy_file(heic, Join(folder, PhotoName(i)), fs::copy_options::overwrite_existing, ec);
        if (ec) return false;
    }
    fs::remove(jpeg, ec);
    fs::remove(heic, ec);
    return orelle::bench::MarkComplete(done);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    if (!orelle::bench::HaveProgram("heif-enc") || !orelle::bench::HaveProgram("heif-convert")) {
        std::printf("# heif-enc or heif-convert is missing (libheif-examples)\n");
        return 1;
    }
    orelle::bench::BenchApplication app(argc, argv);

    const std::string base = Join(scratch, "heic_load");
    const std::string card = Join(base, "card");
    if (!MakeCard(card)) {
        std::printf("# the card could not be made\n");
        return 1;
    }
    const std::string converted = Join(base, "converted");
    const std::string backup = Join(base, "backup");
    std::string loop = "for f in '" + Join(card, "DCIM/100APPLE") + "'/*.HEIC; do heif-convert \"$f\" '" +
                       converted + "'/\"$(basename \"$f\" .HEIC)\".jpg >/dev/null || exit 1; done";
    std::vector<double> ours, theirs;
    for (int round = 0; round < kRounds; ++round) {
        orelle::bench::RemoveAndSettle(converted);
        fs::create_directories(converted);
        const double t = orelle::bench::TimeCommand({"sh", "-c", loop}, 1);
        orelle::bench::RemoveAndSettle(converted);
        const double o = orelle::bench::TimeFolderLoad(card, backup, kPhotos);
        orelle::bench::RemoveAndSettle(backup);
        if (t < 0 || o < 0) return 1;
        theirs.push_back(t);
        ours.push_back(o);
    }
    const double o = orelle::bench::Median(ours);
    const double t = orelle::bench::Median(theirs);
    std::printf("# %d HEIC photos of 4032 x 3024, median of %d rounds\n", kPhotos, kRounds);
    std::printf("# folder load, every photo copied as JPEG, to the first page: %.2f s; "
                "heif-convert one after another: %.2f s\n", o, t);
    orelle::bench::Ratio("heic_load_vs_heif_convert", o, t);
    return 0;
}
