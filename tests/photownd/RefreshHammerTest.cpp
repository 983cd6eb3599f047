// Keys and commands fired at the photo window while page refreshes run:
// everything that touches the list must wait for the busy flag, and at the
// end the page must show exactly the list's photos at the first index.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <random>

#include "orelle/KeyMessage.h"
#include "support/ModalAnswer.h"
#include "support/PhotoWindowFixture.h"

namespace orelle {
namespace {

using RefreshHammerTest = testing::PhotoWindowFixture;

TEST_F(RefreshHammerTest, ListAndPageAgreeAfterKeysAndCommandsDuringRefreshes) {
    AddPhotos(600);
    testing::ModalAnswer modal([](QDialog&) { return QDialog::Accepted; });
    const unsigned keys[] = {kVkNext, kVkPrior, kVkLeft, kVkRight, kVkReturn, kVkDelete};
    const int commands[] = {1216, 1217, 1219, 1221, 1222, 1223, 1224};
    std::mt19937 random(6);
    // Fewer under the slow thread sanitizer: ORELLE_HAMMER_STEPS.
    const int steps = qEnvironmentVariableIntValue("ORELLE_HAMMER_STEPS");
    for (int step = 0; step < (steps > 0 ? steps : 1500); ++step) {
        const unsigned what = random() % 4;
        if (what == 0)
            window->Qkey(KeyMessage{kWmKeyDown, keys[random() % std::size(keys)]});
        else if (what == 1)
            window->OnCommand(commands[random() % std::size(commands)]);
        else if (what == 2)
            window->StartPageRefresh();
        else
            window->ActiveWin(static_cast<int>(random() % 6));
        // Let the queued fill and the writer interleave with what follows.
        if (random() % 3 == 0) QCoreApplication::processEvents();
    }
    window->WaitForJobs();
    window->SetImageDlgToNormal();
    window->WaitForJobs();
    window->StartPageRefresh();
    window->WaitForJobs();

    const PhotoList& list = state.photoList;
    const BrowseState& b = window->browse;
    ASSERT_GT(list.GetSize(), 0);
    ASSERT_GE(b.nFirstIndex, 0);
    const int expected = std::clamp(list.GetSize() - b.nFirstIndex, 0, 6);
    EXPECT_EQ(b.nShownCells, expected);
    for (int c = 0; c < 6; ++c) {
        const PhotoRecord* want = c < expected ? &list.At(b.nFirstIndex + c) : nullptr;
        EXPECT_EQ(window->Cell(c)->surface.record, want) << "cell " << c;
    }
}

}  // namespace
}  // namespace orelle
