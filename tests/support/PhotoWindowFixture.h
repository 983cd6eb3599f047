#pragma once
// A photo window on a recording host, with the process's list and browse
// state fresh, and the backup root and the registry below the test's own
// folder.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <memory>
#include <string>

#include "cell/PhotoCell.h"
#include "orderdata/ProcessState.h"
#include "orelle/KeyMessage.h"
#include "photownd/BrowseState.h"
#include "photownd/PhotoWindow.h"
#include "platform/registry/Registry.h"
#include "support/TempFolder.h"
#include "support/TestJob.h"

namespace orelle::testing {

class PhotoWindowFixture : public ::testing::Test {
  protected:
    PhotoWindowFixture() {
        Process().photoList.RemoveAll();
        Browse() = BrowseState();
        // Order files go below the test's folder, never the user's.
        savedRoot_ = Process().startup.config.dir;
        Process().startup.config.dir = dir / "backup";
        Registry::SetDefaultPath(dir / "registry.ini");
        window = std::make_unique<PhotoWindow>();
        EXPECT_TRUE(window->Init(&host, 1));
        host.show();
        window->WaitForRefresh();
    }
    ~PhotoWindowFixture() override {
        window->WaitForRefresh();
        window.reset();
        Process().photoList.RemoveAll();
        Browse() = BrowseState();
        Process().startup.config.dir = savedRoot_;
        Process().orderInfo.storeDDH.clear();
        Process().orderInfo.backupDir.clear();
        Process().dirList.RemoveAll();
        Registry::SetDefaultPath("");
    }

    void AddPhotos(int n) { AddTestPhotos(dir, n); }
    void Key(int key) {
        const QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        window->Qkey(KeyMessageFromQt(e));
        window->WaitForRefresh();
    }
    void Command(int id) {
        window->OnCommand(id);
        window->WaitForRefresh();
    }
    std::string Shown(int cell) const { return window->Cell(cell)->surface.pathName; }

    TempFolder dir;
    RecordingHost host;
    std::unique_ptr<PhotoWindow> window;
    std::string savedRoot_;
};

}  // namespace orelle::testing
