// A page of six hostile photos from a card: a few hundred bytes each of a
// progressive JPEG whose frame claims 46000 x 46000 pixels. The time until
// the page is shown (each cell as unreadable) and the process's peak
// memory. Then a page of the other hostile shapes, for the record.

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "orderdata/PhotoRecord.h"
#include "orderdata/ProcessState.h"
#include "platform/paths/Paths.h"
#include "support/BenchApplication.h"
#include "support/BenchStation.h"
#include "support/PageCells.h"
#include "support/PeakMemory.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"
#include "tests/support/HostileJpeg.h"
#include "tests/support/TempFolder.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace orelle::testing;

// Shows a page of these photos in fresh cells; its time in seconds.
double ShowPage(const std::vector<std::string>& photos) {
    orelle::bench::BenchStation station(photos);
    orelle::PhotoList& list = station.state.photoList;
    orelle::bench::PageCells cells(station.state, station.services);
    QApplication::processEvents();
    const auto start = Clock::now();
    cells.ShowPage(list, 0);
    cells.WaitForPictures();
    QApplication::processEvents();
    return orelle::bench::SecondsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);

    const std::string claim =
        WithFrameSize(EncodedJpeg(64, 48, JpegKind::kRgb, true), 46000, 46000);
    std::vector<std::string> page;
    for (int i = 0; i < orelle::bench::PageCells::kCells; ++i) {
        page.push_back(orelle::paths::Join(scratch, "hostile_" + std::to_string(i) + ".jpg"));
        WriteBytes(page.back(), claim);
    }
    const double seconds = ShowPage(page);
    const double peak = orelle::bench::PeakRssMb();
    std::printf("# six %zu-byte progressive JPEGs claiming 46000 x 46000\n", claim.size());
    orelle::bench::Figure("hostile_page_ms", seconds * 1e3, "ms");
    orelle::bench::Figure("hostile_page_peak_rss_mb", peak, "MB");

    const std::string photo = EncodedJpeg(4000, 3000);
    const std::string progressive = EncodedJpeg(640, 480, JpegKind::kRgb, true);
    const std::string shapes[] = {
        WithFrameSize(EncodedJpeg(64, 48), 30000, 30000),
        WithCommentFlood(photo, 80000),
        WithEmptyScans(progressive, 20000),
        CutAndClosed(photo, photo.size() / 2),
        WithFrameSize(progressive, 65000, 16000),
        photo.substr(0, photo.size() / 3),
    };
    std::vector<std::string> mixed;
    for (std::size_t i = 0; i < std::size(shapes); ++i) {
        mixed.push_back(orelle::paths::Join(scratch, "shape_" + std::to_string(i) + ".jpg"));
        WriteBytes(mixed.back(), shapes[i]);
    }
    std::printf(
        "# a page of the other shapes (30000 x 30000 over a small scan, 80000 comments, 20000 "
        "scans, half a photo closed, 65000 x 16000 claimed, a third of a photo): %.0f ms, "
        "peak %.0f MB\n",
        ShowPage(mixed) * 1e3, orelle::bench::PeakRssMb());
    return 0;
}
