// How soon a customer browses: a card of 2 000 photos of about 4.4 MB, from
// LoadFolder to the first page shown and until every copy is made, each
// against cp -r and sync of the same card in the same run; and a phone
// visit's 21 photos (2 of them HEIC) from "完成" (the load of the visit's
// folder) to the first page.

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
constexpr int kPhonePhotos = 21;
constexpr int kPhoneHeic = 2;

// A phone visit's folder: 12-megapixel photos as the phone sent them.
bool MakePhoneVisit(const std::string& folder) {
    const std::string done = Join(folder, ".complete");
    if (fs::exists(done)) return true;
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder);
    for (int i = 0; i < kPhonePhotos; ++i) {
        const std::string jpeg = Join(folder, "IMG_" + std::to_string(1000 + i) + ".JPG");
        orelle::bench::WriteCameraJpeg(jpeg, static_cast<std::uint32_t>(900 + i), 4032, 3024);
        if (i >= kPhoneHeic) continue;
        const std::string heic = Join(folder, "IMG_" + std::to_string(1000 + i) + ".HEIC");
        if (orelle::bench::TimeCommand({"heif-enc", "-q", "80", "-o", heic, jpeg}, 1) < 0)
            return false;
        fs::remove(jpeg, ec);
    }
    return orelle::bench::MarkComplete(done);
}

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

    if (!orelle::bench::HaveProgram("heif-enc")) {
        std::printf("# heif-enc is missing (libheif-examples): no phone figure\n");
        return 0;
    }
    const std::string visit = Join(base, "phone");
    if (!MakePhoneVisit(visit)) return 1;
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        double shown = 0;
        if (orelle::bench::TimeFolderLoad(visit, Join(base, "phone_backup"), kPhonePhotos, nullptr,
                                          &shown) < 0)
            return 1;
        times.push_back(shown);
    }
    orelle::bench::RemoveAndSettle(Join(base, "phone_backup"));
    std::printf("# %d photos of 12 megapixels (%d HEIC), median of %d rounds\n", kPhonePhotos,
                kPhoneHeic, kRounds);
    orelle::bench::Figure("phone_done_to_first_page_s", orelle::bench::Median(times), "s");
    return 0;
}
