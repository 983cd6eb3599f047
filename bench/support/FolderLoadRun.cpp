#include "support/FolderLoadRun.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "orderdata/ProcessState.h"
#include "photownd/PhotoWindow.h"
#include "skin/ModalRunner.h"
#include "support/BenchStation.h"
#include "support/CameraJpeg.h"
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace orelle::bench {

void RemoveAndSettle(const std::string& folder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    ::sync();
}

double WaitForFirstPage(const ProcessState& process, std::chrono::steady_clock::time_point start) {
    QTimer tick;  // keeps the loop waking while the workers run
    tick.start(2);
    while (process.photoList.GetSize() == 0 || process.bRefreshing)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return SecondsSince(start);
}

double OnPhotoWindow(BenchStation& station, int expected, const std::string& what,
                     const std::function<double(PhotoWindow&)>& run) {
    ProcessState& process = station.state;
    bool asked = false;
    SetModalHook([&asked](QDialog&) {
        asked = true;  // a message means the run failed
        return 0;
    });
    QWidget host;
    host.resize(1024, 768);
    double seconds = -1;
    {
        PhotoWindow window(process, station.services);
        if (window.Init(&host, 1)) {
            host.show();
            window.WaitForJobs();
            seconds = run(window);
        }
    }
    SetModalHook(nullptr);
    if (asked || process.photoList.GetSize() != expected) {
        std::printf("# %s made %d photos, not %d\n", what.c_str(), process.photoList.GetSize(),
                    expected);
        seconds = -1;
    }
    return seconds;
}

double TimeFolderLoad(const std::string& folder, const std::string& backupRoot, int expected,
                      double* upright, double* firstPage) {
    RemoveAndSettle(backupRoot);
    BenchStation station;
    ProcessState& process = station.state;
    process.startup.config.dir = backupRoot;
    return OnPhotoWindow(station, expected, "the load of " + folder, [&](PhotoWindow& window) {
        window.currentFolder = folder;
        const auto start = std::chrono::steady_clock::now();
        window.LoadFolder();
        if (firstPage) *firstPage = WaitForFirstPage(process, start);
        window.WaitForJobs();
        const double seconds = SecondsSince(start);
        window.WaitForUpright();
        if (upright) *upright = SecondsSince(start);
        return seconds;
    });
}

bool FolderLoadAgainstCp(const std::string& card, const std::string& base, int expected,
                         int rounds, double* load, double* cp, double* upright,
                         double* firstPage) {
    const std::string cpCopy = base + "/cp_copy";
    const std::string backup = base + "/backup";
    std::vector<double> ours, theirs, turned, first;
    // Each copy is removed before the next run starts, so that neither
    // finds the page cache full of the other's copy; the order alternates.
    for (int round = 0; round < rounds; ++round) {
        double c = 0, o = 0, u = 0, p = 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (round % 2 == 0)) {
                RemoveAndSettle(cpCopy);
                c = TimeDurableCopy(card, cpCopy);
                RemoveAndSettle(cpCopy);
            } else {
                o = TimeFolderLoad(card, backup, expected, &u, &p);
                RemoveAndSettle(backup);
            }
        }
        if (c < 0 || o < 0) return false;
        theirs.push_back(c);
        ours.push_back(o);
        turned.push_back(u);
        first.push_back(p);
    }
    *load = Median(ours);
    *cp = Median(theirs);
    if (upright) *upright = Median(turned);
    if (firstPage) *firstPage = Median(first);
    return true;
}

bool MakeCameraCard(const std::string& card, int folders, int perFolder) {
    namespace fs = std::filesystem;
    constexpr int kMasters = 8;
    const std::string done = card + "/.complete";
    if (fs::exists(done)) return true;
    std::error_code ec;
    fs::remove_all(card, ec);
    fs::create_directories(card);
    std::vector<std::string> masters;
    for (int i = 0; i < kMasters; ++i) {
        masters.push_back(card + "/master_" + std::to_string(i) + ".tmp");
        WriteCameraJpeg(masters.back(), static_cast<std::uint32_t>(700 + i), 3600, 2700);
    }
    for (int f = 0; f < folders; ++f) {
        const std::string folder = card + "/DCIM/1" + (f < 10 ? "0" : "") + std::to_string(f) +
                                   "CAMERA";
        fs::create_directories(folder);
        for (int i = 0; i < perFolder; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/IMG_%04d.JPG", i + 1);
            fs::copy_file(masters[static_cast<std::size_t>((f * perFolder + i) % kMasters)],
                          folder + name, fs::copy_options::overwrite_existing, ec);
            if (ec) return false;
        }
    }
    for (const std::string& m : masters) fs::remove(m, ec);
    return MarkComplete(done);
}

bool MarkComplete(const std::string& done) {
    std::FILE* mark = std::fopen(done.c_str(), "w");
    if (mark) std::fclose(mark);
    return mark != nullptr;
}

}  // namespace orelle::bench
