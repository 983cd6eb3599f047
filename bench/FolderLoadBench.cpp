// Starting a job from a card of 500 photos of about 4 MB in nested folders,
// from LoadFolder to the first page shown, against cp -r and sync of the same tree
// to the same disk, measured in turn in one run.

#include <QApplication>
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

constexpr int kFolders = 5;
constexpr int kPerFolder = 100;
constexpr int kMasters = 8;
constexpr int kRounds = 5;

// DCIM/10xCAMERA/IMG_nnnn.JPG, copies of eight camera-like pictures; kept
// between runs once complete.
bool MakeCard(const std::string& card) {
    const std::string done = Join(card, ".complete");
    if (fs::exists(done)) return true;
    std::error_code ec;
    fs::remove_all(card, ec);
    std::vector<std::string> masters;
    for (int i = 0; i < kMasters; ++i) {
        masters.push_back(Join(card, "master_" + std::to_string(i) + ".tmp"));
        fs::create_directories(card);
        orelle::bench::WriteCameraJpeg(masters.back(), static_cast<std::uint32_t>(700 + i), 3600,
                                       2700);
    }
    for (int f = 0; f < kFolders; ++f) {
        const std::string folder = Join(card, "DCIM/10" + std::to_string(f) + "CAMERA");
        fs::create_directories(folder);
        for (int i = 0; i < kPerFolder; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "IMG_%04d.JPG", i + 1);
            fs::copy_file(masters[static_cast<std::size_t>((f * kPerFolder + i) % kMasters)],
                          Join(folder, name), fs::copy_options::overwrite_existing, ec);
            if (ec) return false;
        }
    }
    for (const std::string& m : masters) fs::remove(m, ec);
    return orelle::bench::MarkComplete(done);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);

    const std::string base = Join(scratch, "folder_load");
    const std::string card = Join(base, "card");
    if (!MakeCard(card)) {
        std::printf("# the card could not be made\n");
        return 1;
    }
    const int photos = kFolders * kPerFolder;
    double o = 0, c = 0;
    if (!orelle::bench::FolderLoadAgainstCp(card, base, photos, kRounds, &o, &c)) return 1;
    std::printf("# %d photos of about 4.4 MB in %d folders, median of %d rounds in turn\n", photos,
                kFolders, kRounds);
    std::printf("# folder load to the first page: %.2f s; cp -r and sync: %.2f s\n", o, c);
    orelle::bench::Ratio("folder_load_vs_cp", o, c);
    orelle::bench::Figure("folder_load_500_s", o, "s");
    return 0;
}
