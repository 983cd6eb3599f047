#include "support/FolderLoadRun.h"

#include <unistd.h>

#include <QDialog>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "orderdata/ProcessState.h"
#include "photownd/PhotoWindow.h"
#include "skin/ModalRunner.h"
#include "support/BenchStation.h"
#include "support/Timing.h"

namespace orelle::bench {

void RemoveAndSettle(const std::string& folder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    ::sync();
}

double TimeFolderLoad(const std::string& folder, const std::string& backupRoot, int expected) {
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

}  // namespace orelle::bench
