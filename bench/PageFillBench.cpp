// Showing a page: six 12-megapixel camera photos loaded into six small
// cells, from binding the records to the cells painted with something of
// their photo (their thumbnails: first_paint) and to the cells painted
// with their pictures (page_fill, the faces looked for meanwhile), both
// against djpeg -scale 1/8 decoding the same six files one after another. Then the big view of one of them
// against djpeg -scale 1/4, and the process's peak memory for the page.

#include <QApplication>
#include <QFile>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cell/PhotoCell.h"
#include "orderdata/PhotoRecord.h"
#include "orderdata/ProcessState.h"
#include "platform/paths/Paths.h"
#include "support/BenchApplication.h"
#include "support/BenchStation.h"
#include "support/CameraJpeg.h"
#include "support/PageCells.h"
#include "support/PeakMemory.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace {

constexpr int kCells = 6;
constexpr int kRepeats = 3;

using Clock = std::chrono::steady_clock;
using orelle::bench::SecondsSince;

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);

    std::vector<std::string> files;
    for (int i = 0; i < kCells; ++i) {
        files.push_back(orelle::paths::Join(scratch, "page_" + std::to_string(i) + ".jpg"));
        orelle::bench::WriteCameraJpeg(files.back(), static_cast<std::uint32_t>(100 + i));
    }
    // Making twelve-megapixel photos takes more memory than showing them.
    orelle::bench::ResetPeakRss();
    orelle::bench::BenchStation station(files);
    orelle::PhotoList& list = station.state.photoList;

    // The window's page fill, first cell active; the faces of the page are
    // looked for anew each time, as for a new customer's page.
    auto fill = [&](orelle::bench::PageCells& cells, double& firstPaint) {
        double page = 1e9;
        for (int rep = 0; rep < kRepeats; ++rep) {
            cells.ClearAll();
            station.state.faces.Clear();
            QApplication::processEvents();
            const auto start = Clock::now();
            cells.ShowPage(list, 0);
            firstPaint = std::min(firstPaint, SecondsSince(start));
            if (!cells.AllShowImages()) return -1.0;
            cells.WaitForPictures();
            page = std::min(page, SecondsSince(start));
        }
        return page;
    };
    double firstPaint = 1e9;
    double unused = 1e9;
    double withoutFaces = 0;
    {
        orelle::bench::PageCells plain(station.state, station.services, false);
        withoutFaces = fill(plain, unused);
    }
    orelle::bench::PageCells cells(station.state, station.services);
    orelle::PhotoCell& first = cells.Cell(0);
    const double cpuStart = orelle::bench::CpuSeconds();
    const double page = fill(cells, firstPaint);
    if (page < 0 || withoutFaces < 0) return 1;
    const double pageCpu = (orelle::bench::CpuSeconds() - cpuStart) / kRepeats;
    const double peak = orelle::bench::PeakRssMb();

    // The big view of the active photo after the customer has looked at the
    // page for a moment (its picture decoded meanwhile), and of a photo
    // that was not active (decoded on the spot).
    auto bigView = [&](orelle::PhotoCell& cell, bool settle) {
        double best = 1e9;
        for (int rep = 0; rep < kRepeats; ++rep) {
            cell.ClearCell();
            cell.ShowRecord(&list.At(cell.cellIndex));
            if (settle) std::this_thread::sleep_for(std::chrono::milliseconds(500));
            QApplication::processEvents();
            const auto start = Clock::now();
            cell.ToggleBigView();
            cell.repaint();
            best = std::min(best, SecondsSince(start));
            cell.ToggleBigView();
            QApplication::processEvents();
        }
        return best;
    };
    const double big = bigView(first, true);
    const double cold = bigView(cells.Cell(1), false);

    std::printf("# six 4000x3000 camera-like JPEGs into six small cells: %.0f ms, the first "
                "paint of all six after %.1f ms\n",
                page * 1e3, firstPaint * 1e3);
    std::printf(
        "# the big view of the active one: %.0f ms; of another, decoded on the spot: %.0f ms\n",
        big * 1e3, cold * 1e3);
    orelle::bench::Figure("page_peak_rss_mb", peak, "MB");
    if (!orelle::bench::HaveProgram("djpeg")) {
        std::printf("# djpeg not found (libjpeg-turbo-progs): no reference\n");
        return 0;
    }
    double eighth = 0;
    const double childCpuStart = orelle::bench::CpuSeconds(RUSAGE_CHILDREN);
    for (const std::string& f : files) {
        const double t = orelle::bench::TimeCommand({"djpeg", "-scale", "1/8", f}, kRepeats);
        if (t < 0) return 1;
        eighth += t;
    }
    const double eighthCpu = (orelle::bench::CpuSeconds(RUSAGE_CHILDREN) - childCpuStart) / kRepeats;
    const double quarter =
        orelle::bench::TimeCommand({"djpeg", "-scale", "1/4", files[0]}, kRepeats);
    if (quarter < 0) return 1;
    std::printf("# djpeg -scale 1/8 over the six files: %.0f ms; -scale 1/4 of one: %.0f ms\n",
                eighth * 1e3, quarter * 1e3);
    std::printf("# CPU time of the page fill, all threads: %.0f ms; of djpeg -scale 1/8 over "
                "the six: %.0f ms\n",
                pageCpu * 1e3, eighthCpu * 1e3);
    orelle::bench::Ratio("first_paint", firstPaint, eighth);
    orelle::bench::Ratio("page_fill", page, eighth);
    std::printf("# the page fill without looking for faces: %.0f ms, %.3f of djpeg -scale 1/8\n",
                withoutFaces * 1e3, withoutFaces / eighth);
    orelle::bench::Ratio("big_view", big, quarter);
    std::printf("# the big view decoded on the spot against djpeg -scale 1/4: %.3f\n",
                cold / quarter);
    return 0;
}
