// One kiosk process serving customers one after another, as a station does
// all day: a card of 20 photos loaded, a copy made on two pages, every page
// seen, the order placed (the shipped settings: the database edition with
// insertdb 0), home. What grows from customer 20 to the last one: resident
// memory, open files, threads, files left in the temporary folder; and the
// time of the last 20 customers against customers 21 to 40.
// ORELLE_SOAK_CUSTOMERS sets the count (300 unless set; at least 60).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "orelle/CPhotoWnd.h"
#include "orelle/KeyMessage.h"
#include "orelle/StationTools.h"
#include "photownd/PhotoWindow.h"
#include "support/BenchApplication.h"
#include "support/CameraJpeg.h"
#include "support/KioskSettings.h"
#include "support/Timing.h"

namespace fs = std::filesystem;

namespace orelle {
namespace {

struct Usage {
    double rssMb = 0;
    long files = 0;
    long threads = 0;
    long temporary = 0;
};

long Entries(const fs::path& folder) {
    std::error_code ec;
    long n = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) ++n;
    return n;
}

double RssMb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

Usage Measure(const fs::path& temp) {
    return {RssMb(), Entries("/proc/self/fd"), Entries("/proc/self/task"), Entries(temp)};
}

// Events run until no worker owns the job and a few idle rounds passed.
void Settle(CPhotoWnd& wnd) {
    for (int idle = 0; idle < 3;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        idle = wnd.IsBusy() ? 0 : idle + 1;
    }
}

void Key(CPhotoWnd& wnd, unsigned key) {
    const KeyMessage message{kWmKeyDown, key};
    wnd.Qkey(&message);
    Settle(wnd);
}

// The station's own window, for the copy command a host does not reach.
PhotoWindow& Photos(CPhotoWnd& wnd) { return *static_cast<PhotoWindow*>(wnd.window()); }

// One customer; false when the order was not placed.
bool Customer(CPhotoWnd& wnd, const std::string& card) {
    wnd.OpenFolder(card);
    Settle(wnd);
    if (wnd.GetSize() != 20) return false;
    wnd.ActiveWin(1);
    Photos(wnd).OnCopy();
    Settle(wnd);
    Key(wnd, kVkRight);
    for (int page = 0; page < 4; ++page) Key(wnd, kVkNext);
    wnd.ActiveWin(0);
    Photos(wnd).OnCopy();
    Settle(wnd);
    wnd.SetStoreid({}, "M01", {});
    const StationTools::UnattendedOrder order = StationTools::PlaceOrderUnattended(wnd);
    Settle(wnd);
    wnd.CloseJob();
    Settle(wnd);
    if (!order.placed) std::printf("# not placed: %s\n", order.shown.c_str());
    return order.placed;
}

}  // namespace
}  // namespace orelle

int main(int argc, char** argv) {
    using namespace orelle;
    const std::string scratch = bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    const char* count = std::getenv("ORELLE_SOAK_CUSTOMERS");
    const int customers = std::max(60, count ? std::atoi(count) : 300);
    const fs::path root = fs::path(scratch) / "orelle-bench-soak";
    fs::remove_all(root);
    const fs::path temp = root / "tmp";
    fs::create_directories(temp);
    // What the station leaves in the temporary folder is counted.
    setenv("TMPDIR", temp.c_str(), 1);
    const std::string card = root / "card";
    fs::create_directories(card + "/DCIM/100CAMERA");
    for (int i = 0; i < 20; ++i)
        bench::WriteCameraJpeg(card + "/DCIM/100CAMERA/IMG_" + std::to_string(1000 + i) + ".JPG",
                               static_cast<std::uint32_t>(i), 640, 480);
    CPhotoWnd::UseSettingsFolder(bench::CopyKioskSettings(root / "config", root / "backup"));
    bench::BenchApplication app(argc, argv);
    QWidget frame;
    frame.resize(1024, 768);
    CPhotoWnd wnd;
    wnd.init(&frame, 1001);
    frame.show();
    wnd.window()->show();

    std::vector<double> seconds;
    Usage first{};
    for (int c = 1; c <= customers; ++c) {
        QElapsedTimer clock;
        clock.start();
        if (!Customer(wnd, card)) return 1;
        seconds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        if (c == 20) first = Measure(temp);
    }
    const Usage last = Measure(temp);
    double early = 0, late = 0;
    for (int c = 21; c <= 40; ++c) early += seconds[static_cast<std::size_t>(c - 1)];
    for (int c = customers - 19; c <= customers; ++c) late += seconds[static_cast<std::size_t>(c - 1)];
    const std::string n = std::to_string(customers);
    std::printf("# %d customers, after customer 20 and after the last: %.1f and %.1f MB, "
                "%ld and %ld open files, %ld and %ld threads, %ld and %ld temporary files\n",
                customers, first.rssMb, last.rssMb, first.files, last.files, first.threads,
                last.threads, first.temporary, last.temporary);
    std::printf("# goals: memory growth at most 5 MB, no open file more, last/first at most 1.1\n");
    bench::Figure(("soak_" + n + "_rss_growth_mb").c_str(), last.rssMb - first.rssMb, "MB");
    bench::Figure(("soak_" + n + "_fd_growth").c_str(), static_cast<double>(last.files - first.files),
                  "files");
    bench::Figure(("soak_" + n + "_thread_growth").c_str(),
                  static_cast<double>(last.threads - first.threads), "threads");
    bench::Figure(("soak_" + n + "_temp_files_growth").c_str(),
                  static_cast<double>(last.temporary - first.temporary), "files");
    bench::Ratio("soak_last_vs_first_customer", late, early);
    fs::remove_all(root);
    return 0;
}
