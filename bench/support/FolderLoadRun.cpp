#include "support/FolderLoadRun.h"

#include <unistd.h>

#include <QDialog>
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
#include "support/ReferenceTool.h"
#include "support/Timing.h"

namespace orelle::bench {

void RemoveAndSettle(const std::string& folder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    ::sync();
}

double TimeFolderLoad(const std::string& folder, const std::string& backupRoot, int expected,
                      double* upright) {
    RemoveAndSettle(backupRoot);
    BenchStation station;
    ProcessState& process = station.state;
    process.startup.config.dir = backupRoot;
    bool asked = false;
    SetModalHook([&asked](QDialog&) {
        asked = true;  // a message means the load failed
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
            window.currentFolder = folder;
            const auto start = std::chrono::steady_clock::now();
            window.LoadFolder();
            window.WaitForJobs();
            seconds = SecondsSince(start);
            window.WaitForUpright();
            if (upright) *upright = SecondsSince(start);
        }
    }
    SetModalHook(nullptr);
    if (asked || process.photoList.GetSize() != expected) {
        std::printf("# the load of %s made %d photos, not %d\n", folder.c_str(),
                    process.photoList.GetSize(), expected);
        seconds = -1;
    }
    return seconds;
}

bool FolderLoadAgainstCp(const std::string& card, const std::string& base, int expected,
                         int rounds, double* load, double* cp, double* upright) {
    const std::string cpCopy = base + "/cp_copy";
    const std::string backup = base + "/backup";
    std::vector<double> ours, theirs, turned;
    // Each copy is removed before the next run starts, so that neither
    // finds the page cache full of the other's copy; the order alternates.
    for (int round = 0; round < rounds; ++round) {
        double c = 0, o = 0, u = 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (round % 2 == 0)) {
                RemoveAndSettle(cpCopy);
                c = TimeDurableCopy(card, cpCopy);
                RemoveAndSettle(cpCopy);
            } else {
                o = TimeFolderLoad(card, backup, expected, &u);
                RemoveAndSettle(backup);
            }
        }
        if (c < 0 || o < 0) return false;
        theirs.push_back(c);
        ours.push_back(o);
        turned.push_back(u);
    }
    *load = Median(ours);
    *cp = Median(theirs);
    if (upright) *upright = Median(turned);
    return true;
}

bool MarkComplete(const std::string& done) {
    std::FILE* mark = std::fopen(done.c_str(), "w");
    if (mark) std::fclose(mark);
    return mark != nullptr;
}

}  // namespace orelle::bench
