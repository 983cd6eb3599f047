// The idle span of a customer's visit on a clock that the test moves.

#include "job/IdleWatch.h"

#include <gtest/gtest.h>

#include "support/FakeSteadyClock.h"

namespace orelle {
namespace {

using Phase = IdleWatch::Phase;

class IdleWatchTest : public ::testing::Test {
  protected:
    // After s more seconds, watched and not paused.
    Phase After(int s, bool paused = false) {
        clock.Seconds(s);
        return watch.Poll(true, paused);
    }

    testing::FakeSteadyClock clock;
    IdleWatch watch{clock, 60};
};

TEST_F(IdleWatchTest, SilenceWarnsCountsDownAndEndsOnce) {
    EXPECT_EQ(After(59), Phase::kQuiet);
    EXPECT_EQ(After(1), Phase::kWarning);
    EXPECT_EQ(watch.SecondsLeft(), IdleWatch::kWarningSeconds);
    EXPECT_EQ(After(IdleWatch::kWarningSeconds - 1), Phase::kWarning);
    EXPECT_EQ(watch.SecondsLeft(), 1);
    EXPECT_EQ(After(1), Phase::kEnd);
    EXPECT_EQ(After(1), Phase::kQuiet) << "the end comes once, the span starts again";
}

TEST_F(IdleWatchTest, ATouchDuringTheCountdownContinuesTheVisitForAWholeSpan) {
    After(70);
    watch.Touched();
    EXPECT_EQ(After(0), Phase::kQuiet);
    EXPECT_EQ(After(59), Phase::kQuiet);
    EXPECT_EQ(After(1), Phase::kWarning);
}

TEST_F(IdleWatchTest, AnExchangePausesTheSpanWhichStartsWholeAfter) {
    After(50);
    EXPECT_EQ(After(300, true), Phase::kQuiet) << "a slow back office is no absence";
    EXPECT_EQ(After(59), Phase::kQuiet);
    EXPECT_EQ(After(1), Phase::kWarning);
    EXPECT_EQ(After(1, true), Phase::kQuiet) << "the warning goes while paused";
}

TEST_F(IdleWatchTest, NothingRunsOffScreenOrWhenTurnedOff) {
    clock.Seconds(1000);
    EXPECT_EQ(watch.Poll(false, false), Phase::kQuiet);
    EXPECT_EQ(After(59), Phase::kQuiet) << "the span starts when the visit shows";
    EXPECT_EQ(IdleWatch(clock, 0).Poll(true, false), Phase::kQuiet);
}

}  // namespace
}  // namespace orelle
