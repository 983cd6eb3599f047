// Paging on: the photo window's next-page key on jobs of 100 and 2000
// 12-megapixel photos, from the key to the six cells showing their decoded
// photos and the order files written, against filling one page of six
// small cells directly (PageFillBench's method) in the same run.

#include <QApplication>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cell/PhotoCell.h"
#include "orderdata/OrderFiles.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/PhotoIniWriter.h"
#include "orderdata/PhotoRecord.h"
#include "orderdata/ProcessState.h"
#include "orelle/KeyMessage.h"
#include "photownd/PhotoWindow.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"
#include "support/BenchApplication.h"
#include "support/BenchStation.h"
#include "support/CameraJpeg.h"
#include "support/PageCells.h"
#include "support/Timing.h"

namespace {

constexpr int kCells = 6;
// Three pages of different files in turn: the page before never shows the
// same photos, and the surfaces' two-slot caches and the prefetch queue
// (twelve pictures) cannot keep three pages' worth of small pictures.
constexpr int kFiles = 18;
// Rounds of a few steps of each measurement in turn, so that a busy spell of
// the machine weighs on all three alike.
constexpr int kRounds = 3;
constexpr int kSteps = 3;
// The customer looks at a page before paging on, so the big-view decode of
// the active photo, queued with every page, is over by then.
constexpr int kSettleMs = 600;

using Clock = std::chrono::steady_clock;
using orelle::bench::Median;
using orelle::bench::SecondsSince;

orelle::bench::BenchStation& Station() {
    static orelle::bench::BenchStation station;
    return station;
}

void Settle() {
    const auto start = Clock::now();
    while (SecondsSince(start) * 1e3 < kSettleMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

void FillList(const std::vector<std::string>& files, int count) {
    orelle::PhotoList& list = Station().state.photoList;
    list.RemoveAll();
    for (int i = 0; i < count; ++i) {
        auto r = std::make_unique<orelle::PhotoRecord>();
        r->srcName = r->origName = files[static_cast<std::size_t>(i % kFiles)];
        r->dstName = "np_" + std::to_string(i) + ".jpg";
        r->specIndex = 1;
        r->number = 1;
        list.Append(std::move(r));
    }
}

// PageFillBench's page: six cells outside any window, the decoders started
// on the page first, then every cell bound and painted. Each step shows
// the files of the next of the three pages, as paging does.
bool PageFillTimes(const std::vector<std::string>& files, std::vector<double>& times) {
    FillList(files, kFiles);
    orelle::PhotoList& list = Station().state.photoList;
    orelle::bench::PageCells cells(Station().state, Station().services);
    for (int step = 0; step <= kSteps; ++step) {
        const int first = (step % (kFiles / kCells)) * kCells;
        cells.ClearAll();
        Settle();
        const auto start = Clock::now();
        cells.ShowPage(list, first);
        cells.WaitForPictures();
        const double t = SecondsSince(start);
        if (!cells.AllShowImages()) return false;
        if (step > 0) times.push_back(t);  // the first one warms up
    }
    return true;
}

// The next-page key on a job of count photos, from the first page on.
bool NextPageTimes(const std::vector<std::string>& files, int count, std::vector<double>& times) {
    FillList(files, count);
    const orelle::PhotoList& list = Station().state.photoList;
    QWidget host;
    host.resize(1024, 768);
    auto window = std::make_unique<orelle::PhotoWindow>(Station().state, Station().services);
    if (!window->Init(&host, 1)) return false;
    host.show();  // shows the first page
    window->WaitForJobs();
    for (int step = 0; step <= kSteps; ++step) {
        Settle();
        const auto start = Clock::now();
        window->Qkey(orelle::KeyMessage{orelle::kWmKeyDown, orelle::kVkNext});
        window->WaitForJobs();
        std::vector<orelle::PhotoCell*> shown;
        for (int i = 0; i < kCells; ++i) shown.push_back(window->Cell(i));
        orelle::bench::WaitForPictures(shown);
        const double t = SecondsSince(start);
        const int first = window->browse.nFirstIndex;
        if (first != (step + 1) * kCells) return false;
        for (int i = 0; i < kCells; ++i) {
            const orelle::PhotoCell* c = window->Cell(i);
            if (!c->surface.HasImage() || c->surface.pathName != list.At(first + i).srcName)
                return false;
        }
        if (step > 0) times.push_back(t);
    }
    window->WaitForJobs();
    window.reset();
    return true;
}

// What a refresh does after the fill on the writer thread, alone: the
// photo.ini text, and both files written (and flushed to the disk).
struct WriteTimes {
    double format = 0;
    double write = 0;
};

WriteTimes OrderWriteMedians(const std::vector<std::string>& files, int count) {
    FillList(files, count);
    orelle::ProcessState& p = Station().state;
    const orelle::OrderPaths paths{p.startup.config.dir, p.startup.date.dateStr};
    std::string sink;
    WriteTimes t;
    t.format = orelle::bench::MedianSeconds(
        kRounds * kSteps, [&] { sink = orelle::FormatPhotoIni(p.orderInfo, false, p.photoList); });
    orelle::OrderFiles writer(paths, p.orderInfo, p.photoList, Station().services.files,
                              Station().services.clock);
    t.write =
        orelle::bench::MedianSeconds(kRounds * kSteps, [&] { writer.WriteOrderFiles(false); });
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    orelle::bench::BenchApplication app(argc, argv);

    orelle::FileSystem& fs = Station().services.files;
    fs.CreateDirectories(scratch);
    std::vector<std::string> files;
    for (int i = 0; i < kFiles; ++i) {
        files.push_back(orelle::paths::Join(scratch, "next_page_" + std::to_string(i) + ".jpg"));
        // Making eighteen photos takes longer than the measurement.
        if (QFileInfo(QString::fromStdString(files.back())).size() > 0) continue;
        orelle::bench::WriteCameraJpeg(files.back(), static_cast<std::uint32_t>(300 + i));
    }

    // The order files of every refresh go below the scratch folder, into a
    // job folder of their own as when a job is open.
    orelle::ProcessState& process = Station().state;
    process.startup.config.dir = orelle::paths::Join(scratch, "next_page_orders");
    const orelle::OrderPaths orderPaths{process.startup.config.dir, process.startup.date.dateStr};
    fs.CreateDirectories(orderPaths.DayFolder());
    // One job number for every run, so that runs do not pile up job folders.
    process.orderInfo.storeDDH = process.startup.date.datePrefix + "001";
    fs.CreateDirectories(orderPaths.WorkFolder(process.orderInfo.storeDDH));

    std::vector<double> fillTimes;
    std::vector<double> smallTimes;
    std::vector<double> largeTimes;
    for (int round = 0; round < kRounds; ++round) {
        if (!PageFillTimes(files, fillTimes) || !NextPageTimes(files, 100, smallTimes) ||
            !NextPageTimes(files, 2000, largeTimes)) {
            std::printf("# a page was not shown in full\n");
            return 1;
        }
    }
    const double fill = Median(fillTimes);
    const double small = Median(smallTimes);
    const double large = Median(largeTimes);
    const WriteTimes writeSmall = OrderWriteMedians(files, 100);
    const WriteTimes writeLarge = OrderWriteMedians(files, 2000);
    process.photoList.RemoveAll();
    std::printf("# %d camera-like 4000x3000 JPEGs, pages of six in turn, median of %d steps\n",
                kFiles, kRounds * kSteps);
    std::printf("# six small cells filled directly: %.0f ms\n", fill * 1e3);
    std::printf(
        "# next page, key to cells shown and order files written: %.0f ms on 100 "
        "photos, %.0f ms on 2000\n",
        small * 1e3, large * 1e3);
    std::printf(
        "# of which the order files after the fill (photo.ini text, then both files "
        "replaced and flushed): %.1f ms (%.1f) on 100, %.1f ms (%.1f) on 2000\n",
        writeSmall.write * 1e3, writeSmall.format * 1e3, writeLarge.write * 1e3,
        writeLarge.format * 1e3);
    orelle::bench::Ratio("next_page_vs_page_fill", large, fill);
    orelle::bench::Ratio("next_page_2000_vs_100", large, small);
    orelle::bench::Figure("next_page_ms", large * 1e3, "ms");
    return 0;
}
