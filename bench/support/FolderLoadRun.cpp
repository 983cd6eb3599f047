#include "support/FolderLoadRun.h"

#include <unistd.h>

#include <QDialog>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "orderdata/ProcessState.h"
#include "photownd/BrowseState.h"
#include "photownd/PhotoWindow.h"
#include "skin/ModalRunner.h"
#include "support/Timing.h"

namespace orelle::bench {

void RemoveAndSettle(const std::string& folder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    ::sync();
}

double TimeFolderLoad(const std::string& folder, const std::string& backupRoot, int expected) {
    RemoveAndSettle(backupRoot);
    ProcessState& process = Process();
    process.startup.config.dir = backupRoot;
    process.photoList.RemoveAll();
    process.orderInfo.storeDDH.clear();
    Browse() = BrowseState();
    bool asked = false;
    SetModalHook([&asked](QDialog&) {
        asked = true;  // a message means the load failed
        return 0;
    });
    QWidget host;
    host.resize(1024, 768);
    double seconds = -1;
    {
        PhotoWindow window;
        if (window.Init(&host, 1)) {
            host.show();
            window.WaitForRefresh();
            window.currentFolder = folder;
            const auto start = std::chrono::steady_clock::now();
            window.LoadFolder();
            window.WaitForLoad();
            seconds = SecondsSince(start);
        }
    }
    SetModalHook(nullptr);
    if (asked || process.photoList.GetSize() != expected) {
        std::printf("# the load of %s made %d photos, not %d\n", folder.c_str(),
                    process.photoList.GetSize(), expected);
        seconds = -1;
    }
    process.photoList.RemoveAll();
    Browse() = BrowseState();
    return seconds;
}

}  // namespace orelle::bench
