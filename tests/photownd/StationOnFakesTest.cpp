// The photo window on services that never reach the machine: files in
// memory, a fixed clock, a made-up disk and a shell that starts nothing. A
// customer's card becomes a job and is paged through, and everything the
// station reads and writes is found in the memory file system.

#include <gtest/gtest.h>

#include <QFile>
#include <QKeyEvent>
#include <algorithm>
#include <memory>

#include "cell/PhotoCell.h"
#include "orderdata/OrderPaths.h"
#include "orderdata/ProcessState.h"
#include "orelle/HostMessage.h"
#include "orelle/KeyMessage.h"
#include "photownd/PhotoWindow.h"
#include "platform/Services.h"
#include "platform/clock/Clock.h"
#include "platform/paths/Paths.h"
#include "skin/ProgressBarWnd.h"
#include "support/FakeDisks.h"
#include "support/MemoryFileSystem.h"
#include "support/RecordingShell.h"
#include "support/TestJob.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

// The shipped settings, copied into the memory file system.
void CopyShippedSettings(testing::MemoryFileSystem& fs, const std::string& folder) {
    for (const char* name :
         {"param.ini", "ver_ctrl.ini", "sysini/prints.ini", "sysini/prices.ini"}) {
        QFile file(QString::fromStdString(paths::Join(ORELLE_RES_DIR, name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const std::string path = paths::Join(folder, name);
        fs.CreateDirectories(std::string(paths::DirectoryPart(path)));
        fs.ReplaceFile(path, file.readAll().toStdString());
    }
}

TEST(StationOnFakes, ACardBecomesAJobAndPagesWithoutTheDisk) {
    testing::MemoryFileSystem files;
    testing::FakeDisks disks;
    const FixedClock clock{LocalTime{2026, 12, 7, 9, 30, 0}};
    testing::RecordingShell shell;
    Services services{files, disks, clock, shell, Registry("/config/registry.ini", files)};
    ProcessState state;
    CopyShippedSettings(files, "/station");
    LoadProcessState(state, "/station", files, clock);
    state.startup.config.dir = "/backup";
    // Two camera folders that repeat a name, and a page and a bit.
    for (int i = 0; i < 8; ++i) {
        const std::string folder = i < 4 ? "/card/DCIM/100CAM" : "/card/DCIM/101CAM";
        files.CreateDirectories(folder);
        files.ReplaceFile(folder + "/IMG_" + std::to_string(i % 4) + ".JPG",
                          testing::JpegBytes(64 + i, 48));
    }
    testing::RecordingHost host;
    auto window = std::make_unique<PhotoWindow>(state, services);
    window->Init(&host, 1);
    host.show();
    window->WaitForJobs();

    window->OpenFolder("/card", {});
    window->WaitForJobs();
    ASSERT_EQ(state.photoList.GetSize(), 8);
    const std::string job = state.orderInfo.storeDDH;
    EXPECT_EQ(job, "261207001");
    const OrderPaths paths{"/backup", "2026-12-7"};
    EXPECT_TRUE(files.FileExists(paths.WorkFolder(job) + "/DCIM/101CAM/img_0.jpg"));
    EXPECT_TRUE(files.FileExists(paths.OrderIni()));
    EXPECT_TRUE(files.FileExists(paths.PhotoIni(job)));
    // The cells decode the copies out of the memory file system.
    EXPECT_TRUE(window->Cell(0)->surface.HasImage());
    EXPECT_EQ(window->Cell(0)->surface.ImageWidth(), 64);
    EXPECT_FALSE(window->ProgressBar()->isVisible());
    // Handed back once at the first page; then the count grew and that
    // page's photo became the current one.
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.front(), kMessageHandBack);
    EXPECT_EQ(std::count(host.messages.begin(), host.messages.end(), kMessageIndexChanged),
              std::ssize(host.messages) - 1);

    const int writes = files.replaceCount;
    const QKeyEvent next(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    window->Qkey(KeyMessageFromQt(next));
    window->WaitForJobs();
    EXPECT_EQ(window->browse.nFirstIndex, 6);
    EXPECT_EQ(window->Cell(0)->surface.pathName, state.photoList.At(6).srcName);
    EXPECT_TRUE(window->Cell(1)->surface.HasImage());
    EXPECT_GT(files.replaceCount, writes);  // the order files again
    EXPECT_FALSE(state.bRefreshing);
    EXPECT_FALSE(QFile::exists("/backup"));
}

}  // namespace
}  // namespace orelle
