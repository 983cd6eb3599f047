// Starting a job from a card of 500 photos of about 4 MB in nested folders,
// from LoadFolder to the first page shown, against cp -r and sync of the same tree
// to the same disk, measured in turn in one run.

#include <cstdio>
#include <string>

#include "platform/paths/Paths.h"
#include "support/BenchApplication.h"
#include "support/FolderLoadRun.h"
#include "support/Timing.h"

namespace {

constexpr int kFolders = 5;
constexpr int kPerFolder = 100;
constexpr int kRounds = 5;

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);

    using orelle::paths::Join;
    const std::string base = Join(scratch, "folder_load");
    const std::string card = Join(base, "card");
    if (!orelle::bench::MakeCameraCard(card, kFolders, kPerFolder)) {
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
