// How soon a customer browses: a card of 2 000 photos of about 4.4 MB, from
// LoadFolder to the first page shown and until every copy is made, each
// against cp -r and sync of the same card in the same run. A phone visit's
// first page: PhoneFirstPageBench.

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

constexpr int kFolders = 20;
constexpr int kPerFolder = 100;
constexpr int kRounds = 3;

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);

    const std::string base = Join(scratch, "first_page");
    const std::string card = Join(base, "card");
    if (!orelle::bench::MakeCameraCard(card, kFolders, kPerFolder)) {
        std::printf("# the card could not be made\n");
        return 1;
    }
    const int photos = kFolders * kPerFolder;
    double whole = 0, cp = 0, first = 0;
    if (!orelle::bench::FolderLoadAgainstCp(card, base, photos, kRounds, &whole, &cp, nullptr,
                                            &first))
        return 1;
    std::printf("# %d photos of about 4.4 MB in %d folders, median of %d rounds in turn\n", photos,
                kFolders, kRounds);
    std::printf("# first page: %.2f s; every copy made: %.2f s; cp -r and sync: %.2f s\n", first,
                whole, cp);
    orelle::bench::Ratio("first_page_2000_vs_cp", first, cp);
    orelle::bench::Figure("first_page_2000_s", first, "s");
    orelle::bench::Ratio("whole_load_2000_vs_cp", whole, cp);
    return 0;
}
