// Keys and commands fired at the photo window while page refreshes run:
// everything that touches the list must wait for the busy flag, and at the
// end the page must show exactly the list's photos at the first index.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <random>

#include "cell/PhotoCell.h"
#include "orderdata/ProcessState.h"
#include "orelle/CPhotoWnd.h"
#include "photownd/BrowseState.h"
#include "photownd/PhotoWindow.h"
#include "support/ModalAnswer.h"
#include "support/TestJob.h"

namespace orelle {
namespace {

TEST(RefreshHammerTest, ListAndPageAgreeAfterKeysAndCommandsDuringRefreshes) {
    Process().photoList.RemoveAll();
    testing::TempFolder dir;
    const std::string savedRoot = Process().startup.config.dir;
    Process().startup.config.dir = dir / "backup";
    testing::AddTestPhotos(dir, 600);
    testing::RecordingHost host;
    testing::ModalAnswer modal([](QDialog&) { return QDialog::Accepted; });
    {
        CPhotoWnd wnd;
        ASSERT_TRUE(wnd.init(&host, 1));
        auto* window = static_cast<PhotoWindow*>(wnd.window());
        host.show();

        const unsigned keys[] = {kVkNext, kVkPrior, kVkLeft, kVkRight, kVkReturn, kVkDelete};
        const int commands[] = {1216, 1217, 1219, 1221, 1222, 1223, 1224};
        std::mt19937 random(6);
        // Fewer under the slow thread sanitizer: ORELLE_HAMMER_STEPS.
        const int steps = qEnvironmentVariableIntValue("ORELLE_HAMMER_STEPS");
        for (int step = 0; step < (steps > 0 ? steps : 1500); ++step) {
            switch (random() % 4) {
                case 0: {
                    const KeyMessage key{kWmKeyDown, keys[random() % std::size(keys)]};
                    wnd.Qkey(&key);
                    break;
                }
                case 1:
                    window->OnCommand(commands[random() % std::size(commands)]);
                    break;
                case 2:
                    window->StartPageRefresh();
                    break;
                default:
                    wnd.ActiveWin(static_cast<int>(random() % 6));
                    break;
            }
            // Let the queued fill and the writer interleave with what follows.
            if (random() % 3 == 0) QCoreApplication::processEvents();
        }
        window->WaitForRefresh();
        window->SetImageDlgToNormal();
        window->WaitForRefresh();
        window->StartPageRefresh();
        window->WaitForRefresh();

        const PhotoList& list = Process().photoList;
        const BrowseState& b = Browse();
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
    Process().photoList.RemoveAll();
    Process().startup.config.dir = savedRoot;
}

}  // namespace
}  // namespace orelle
