// Starting a job from a phone's card of 200 portraits of 12 megapixels
// stored turned (EXIF orientation 6), copied into the work folder and
// shown upright, against cp -r and sync of the same card to the same disk,
// measured in turn in one run; and how long until every copy is turned
// upright in its place behind the first page.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/imaging/ShotDateWriter.h"
#include "platform/paths/Paths.h"
#include "support/BenchApplication.h"
#include "support/CameraJpeg.h"
#include "support/FolderLoadRun.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace {

namespace fs = std::filesystem;
using orelle::paths::Join;

constexpr int kPhotos = 200;
constexpr int kMasters = 4;
constexpr int kRounds = 3;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// DCIM/100PHONE/IMG_nnnn.JPG, copies of four camera-like pictures tagged
// with orientation 6; kept between runs once complete.
bool MakeCard(const std::string& card) {
    const std::string done = Join(card, ".complete");
    if (fs::exists(done)) return true;
    std::error_code ec;
    fs::remove_all(card, ec);
    const std::string folder = Join(card, "DCIM/100PHONE");
    fs::create_directories(folder);
    std::vector<std::string> masters;
    for (int i = 0; i < kMasters; ++i) {
        const std::string plain = Join(card, "master.tmp");
        orelle::bench::WriteCameraJpeg(plain, static_cast<std::uint32_t>(900 + i), 4000, 3000);
        masters.push_back(orelle::WithExif(ReadAll(plain), {{0, 274, {}, 6},
                                                            {2, 36867, "2025:06:01 08:15:00"}}));
        fs::remove(plain, ec);
    }
    for (int i = 0; i < kPhotos; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04d.JPG", i + 1);
        std::ofstream out(Join(folder, name), std::ios::binary);
        out << masters[static_cast<std::size_t>(i % kMasters)];
        if (!out) return false;
    }
    return orelle::bench::MarkComplete(done);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);

    const std::string base = Join(scratch, "upright_copy");
    const std::string card = Join(base, "card");
    if (!MakeCard(card)) {
        std::printf("# the card could not be made\n");
        return 1;
    }
    double o = 0, c = 0, u = 0;
    if (!orelle::bench::FolderLoadAgainstCp(card, base, kPhotos, kRounds, &o, &c, &u)) return 1;
    std::printf("# %d photos of 4000 x 3000 stored turned (orientation 6), median of %d rounds\n",
                kPhotos, kRounds);
    std::printf("# folder load to the first page, shown upright: %.2f s; cp -r and sync: %.2f s\n",
                o, c);
    orelle::bench::Ratio("upright_copy_vs_cp", o, c);
    std::printf("# from the load's start until every copy is upright in its place\n");
    orelle::bench::Figure("upright_copies_turned_s", u, "s");
    return 0;
}
