#pragma once
// A photo window of the test's own station on a recording host, with the
// backup root and the registry below the test's own folder.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <memory>
#include <string>

#include "cell/PhotoCell.h"
#include "orderdata/ProcessState.h"
#include "orelle/KeyMessage.h"
#include "photownd/PhotoWindow.h"
#include "support/TempFolder.h"
#include "support/TestJob.h"
#include "support/TestStation.h"

namespace orelle::testing {

class PhotoWindowFixture : public ::testing::Test {
  protected:
    explicit PhotoWindowFixture(const Services& base = MachineServices())
        : station(dir, base), state(station.state) {
        window = std::make_unique<PhotoWindow>(state, station.services);
        EXPECT_TRUE(window->Init(&host, 1));
        host.show();
        window->WaitForJobs();
    }
    ~PhotoWindowFixture() override {
        window->WaitForJobs();
        window.reset();
    }

    void AddPhotos(int n) { AddTestPhotos(state.photoList, dir, n); }
    void Key(int key) {
        const QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        window->Qkey(KeyMessageFromQt(e));
        window->WaitForJobs();
    }
    void Command(int id) {
        window->OnCommand(id);
        window->WaitForJobs();
    }
    std::string Shown(int cell) const { return window->Cell(cell)->surface.pathName; }
    BrowseState& browse() { return window->browse; }

    TempFolder dir;
    TestStation station;
    ProcessState& state;
    RecordingHost host;
    std::unique_ptr<PhotoWindow> window;
};

}  // namespace orelle::testing
