// Keys and commands fired at the photo window while page refreshes run:
// everything that touches the list must wait for the busy flag, and at the
// end the page must show exactly the list's photos at the first index.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <memory>
#include <random>

#include "cell/PhotoCell.h"
#include "orderdata/ProcessState.h"
#include "orelle/KeyMessage.h"
#include "photownd/PhotoWindow.h"
#include "support/ModalAnswer.h"
#include "support/TestJob.h"
#include "support/TestStation.h"

namespace orelle {
namespace {

TEST(RefreshHammerTest, ListAndPageAgreeAfterKeysAndCommandsDuringRefreshes) {
    testing::TempFolder dir;
    testing::TestStation station(dir);
    testing::AddTestPhotos(station.state.photoList, dir, 600);
    testing::RecordingHost host;
    testing::ModalAnswer modal([](QDialog&) { return QDialog::Accepted; });
    {
        auto window = std::make_unique<PhotoWindow>(station.state, station.services);
        ASSERT_TRUE(window->Init(&host, 1));
        host.show();

        const unsigned keys[] = {kVkNext, kVkPrior, kVkLeft, kVkRight, kVkReturn, kVkDelete};
        const int commands[] = {1216, 1217, 1219, 1221, 1222, 1223, 1224};
        std::mt19937 random(6);
        // Fewer under the slow thread sanitizer: ORELLE_HAMMER_STEPS.
        const int steps = qEnvironmentVariableIntValue("ORELLE_HAMMER_STEPS");
        for (int step = 0; step < (steps > 0 ? steps : 1500); ++step) {
            switch (random() % 4) {
                case 0: {
                    window->Qkey(KeyMessage{kWmKeyDown, keys[random() % std::size(keys)]});
                    break;
                }
                case 1:
                    window->OnCommand(commands[random() % std::size(commands)]);
                    break;
                case 2:
                    window->StartPageRefresh();
                    break;
                default:
                    window->ActiveWin(static_cast<int>(random() % 6));
                    break;
            }
            // Let the queued fill and the writer interleave with what follows.
            if (random() % 3 == 0) QCoreApplication::processEvents();
        }
        window->WaitForJobs();
        window->SetImageDlgToNormal();
        window->WaitForJobs();
        window->StartPageRefresh();
        window->WaitForJobs();

        const PhotoList& list = station.state.photoList;
        const BrowseState& b = window->browse;
        ASSERT_GT(list.GetSize(), 0);
        ASSERT_GE(b.nFirstIndex, 0);
        const int expected = std::clamp(list.GetSize() - b.nFirstIndex, 0, 6);
        EXPECT_EQ(b.nShownCells, expected);
        for (int c = 0; c < 6; ++c) {
            const PhotoRecord* shown = window->Cell(c)->surface.record;
            if (c < expected) {
                EXPECT_EQ(shown, &list.At(b.nFirstIndex + c)) << "cell " << c;
            } else {
                EXPECT_EQ(shown, nullptr) << "cell " << c;
            }
        }
    }
}

}  // namespace
}  // namespace orelle
