// A job whose order files could not be written (a full disk after the
// folder load): the customer is told once, and the order waits until the
// files are written.
#include <gtest/gtest.h>

#include "orderdata/OrderFiles.h"
#include "orderdata/OrderSession.h"
#include "support/PlacementStation.h"

namespace orelle {
namespace {

using testing::PlacementStation;

TEST(UnwrittenFilesTest, TheFirstFailureOfARunIsToldAndTheSessionRemembersIt) {
    const struct {
        bool before;
        bool written;
        bool told;
    } cases[] = {
        {false, true, false},
        {false, false, true},
        {true, false, false},  // told already
        {true, true, false},
    };
    for (const auto& c : cases) {
        OrderSession session;
        session.filesUnwritten = c.before;
        EXPECT_EQ(NoteOrderFilesWritten(session, c.written), c.told);
        EXPECT_EQ(session.filesUnwritten, !c.written);
    }
}

TEST(UnwrittenFilesTest, TheOrderWaitsUntilTheFilesAreWritten) {
    PlacementStation s;
    s.Add(0, 1, "a.jpg");
    s.state.session.filesUnwritten = true;
    s.memory.refused.insert(PlacementStation::kPhotoIni);
    ASSERT_EQ(s.Run(), PlacementResult::kFailed);
    // Before any dialog: the back office is never asked.
    EXPECT_TRUE(s.prompts.orderDialogs.empty());
    ASSERT_EQ(s.prompts.notices.size(), 1u);
    EXPECT_EQ(s.prompts.notices[0].text, kOrderFilesUnwrittenMessage);
    EXPECT_TRUE(s.state.session.filesUnwritten);

    s.memory.refused.clear();
    ASSERT_EQ(s.Run(), PlacementResult::kPlaced);
    EXPECT_FALSE(s.state.session.filesUnwritten);
    EXPECT_EQ(s.prompts.orderDialogs.size(), 1u);
}

}  // namespace
}  // namespace orelle
