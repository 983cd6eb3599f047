// The station placing an order is killed with SIGKILL: at each step of
// writing the order's files, and at moments spread over a whole run. What
// it leaves shows the order either as placed with every file complete, or
// as not placed; and the station then places an order on the same settings
// and card. Each --folder run starts a new job, so "again" is a new job of
// the same photos, beside the killed one, which must stay as it was left.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/KioskRun.h"
#include "support/OrdersOnDisk.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle::testing {
namespace {

struct Station {
    TempFolder folder;
    std::string config = folder / "config";
    std::string backup = folder / "backup";
};

class KioskKillTest : public ::testing::Test {
  protected:
    // More than a page: the rest is copied behind the first page.
    void SetUp() override {
        for (int i = 1; i <= 8; ++i)
            WriteJpeg(card_ / ("DCIM/100TEST/IMG_000" + std::to_string(i) + ".JPG"), 64, 48);
    }

    Station& NewStation(bool withPackage) {
        stations_.push_back(std::make_unique<Station>());
        MakeKioskSettings(stations_.back()->config, stations_.back()->backup, withPackage);
        return *stations_.back();
    }

    // What a kill left: nothing cut, nothing marked placed that is not
    // whole, and "placed" printed only for an order the files show placed.
    static void ExpectSound(const OrdersOnDisk& orders, const KioskOutcome& outcome) {
        EXPECT_EQ(orders.faults, std::vector<std::string>{});
        bool toldIsPlaced = false;
        const std::string told = PlacedOrderNumber(outcome);
        for (const OrderOnDisk& order : orders.orders) {
            EXPECT_EQ(order.faults, std::vector<std::string>{}) << "order " << order.storeDDH;
            toldIsPlaced = toldIsPlaced || (order.placed && order.saleDDH == told);
        }
        EXPECT_TRUE(told.empty() || toldIsPlaced) << "reported placed, not marked: " << told;
    }

    // The stations start once without placing anything, which mends what
    // the kill left between the order's files.
    static void StartAgain(const std::vector<Station*>& stations) {
        std::vector<KioskRun> starts;
        for (const Station* station : stations)
            starts.push_back({.args = {"--config", station->config, "--settings"}});
        for (const KioskOutcome& started : RunKiosks(starts))
            EXPECT_EQ(started.exitCode, 0) << started.errors;
    }

    // Each station after its kill: an order is placed on it at once, and
    // the killed job's state is left as it was.
    void ExpectPlacedAgain(const std::vector<Station*>& stations, bool withPackage) {
        std::vector<OrdersOnDisk> before;
        std::vector<KioskRun> runs;
        for (Station* station : stations) {
            before.push_back(ReadOrdersOnDisk(station->backup, withPackage));
            runs.push_back(MemberOrder(station->config, card_.path()));
        }
        const std::vector<KioskOutcome> again = RunKiosks(runs);
        for (std::size_t i = 0; i < stations.size(); ++i) {
            SCOPED_TRACE("placed again on " + stations[i]->backup);
            ASSERT_EQ(again[i].exitCode, 0) << again[i].output << again[i].errors;
            const OrdersOnDisk after = ReadOrdersOnDisk(stations[i]->backup, withPackage);
            ExpectSound(after, again[i]);
            EXPECT_EQ(after.PlacedCount(), before[i].PlacedCount() + 1);
            EXPECT_EQ(after.partialFiles, 0) << "half-written files left";
            std::set<std::pair<std::string, bool>> now;
            for (const OrderOnDisk& order : after.orders) now.emplace(order.storeDDH, order.placed);
            for (const OrderOnDisk& old : before[i].orders)
                EXPECT_TRUE(now.contains({old.storeDDH, old.placed})) << old.storeDDH;
        }
    }

    TempFolder card_;
    std::vector<std::unique_ptr<Station>> stations_;
};

struct StepKill {
    const char* step;  // for KillAtRename
    bool placed;       // what the files must then show
};

// Every write of placing an order, in the order the station makes them,
// killed before, in the middle of and after it. The day's mark goes last.
// clang-format off
const std::vector<StepKill> kPackageSteps = {
    {"order.ini||after", false},  // the job's number taken
    {"photo.ini||after", false},  // the job's first photo.ini
    {"photo.ini|saleddh=01|before", false},  // the order's number, not yet placed
    {"photo.ini|saleddh=01|torn", false},
    {"photo.ini|saleddh=01|after", false},
    {"lumora.ini||before", false},
    {"lumora.ini||after", false},
    {"upfile.pro||torn", false},
    {"upfile.pro||after", false},
    {"dlfile.pro||before", false},
    {"dlfile.pro||torn", false},
    {"dlfile.pro||after", false},
    {"order.ini|bSuccess=-1|before", false},
    {"order.ini|bSuccess=-1|torn", false},
    {"order.ini|bSuccess=-1|after", true},
    {"photo.ini|bSuccess=1|before", true},  // told of the mark, last
    {"photo.ini|bSuccess=1|torn", true},
    {"photo.ini|bSuccess=1|after", true},
};

const std::vector<StepKill> kPlainSteps = {
    {"photo.ini|saleddh=01|torn", false},
    {"photo.ini|saleddh=01|after", false},
    {"order.ini|bSuccess=-1|torn", false},
    {"order.ini|bSuccess=-1|after", true},
    {"photo.ini|bSuccess=1|torn", true},
};
// clang-format on

class KioskStepKillTest : public KioskKillTest, public ::testing::WithParamInterface<bool> {};

TEST_P(KioskStepKillTest, EveryStepOfPlacingLeavesTheOrderPlacedAndWholeOrNotPlaced) {
    const bool withPackage = GetParam();
    const std::vector<StepKill>& steps = withPackage ? kPackageSteps : kPlainSteps;
    std::vector<Station*> stations;
    std::vector<KioskRun> runs;
    for (const StepKill& kill : steps) {
        stations.push_back(&NewStation(withPackage));
        runs.push_back(MemberOrder(stations.back()->config, card_.path()));
        runs.back().killAtStep = kill.step;
    }
    const std::vector<KioskOutcome> outcomes = RunKiosks(runs);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].step);
        ASSERT_TRUE(outcomes[i].killed) << "the step never came: " << outcomes[i].output;
        if (std::string(steps[i].step).ends_with("|torn")) {
            EXPECT_GT(ReadOrdersOnDisk(stations[i]->backup, withPackage).partialFiles, 0)
                << "no half-written file";
        }
    }
    StartAgain(stations);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].step);
        const OrdersOnDisk orders = ReadOrdersOnDisk(stations[i]->backup, withPackage);
        ExpectSound(orders, outcomes[i]);
        EXPECT_EQ(orders.PlacedCount(), steps[i].placed ? 1 : 0);
    }
    ExpectPlacedAgain(stations, withPackage);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutPackage, KioskStepKillTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "WithPackage" : "WithoutPackage";
                         });

// Copies made behind the first page, killed as one is cut and once it is in
// place: no copy is left cut, nothing is placed, and the next order goes.
TEST_F(KioskKillTest, AKillBehindTheFirstPageLeavesWholeCopiesOnly) {
    std::vector<Station*> stations;
    std::vector<KioskRun> runs;
    for (const char* step : {"img_0008.jpg||torn", "img_0007.jpg||after"}) {
        stations.push_back(&NewStation(false));
        runs.push_back(MemberOrder(stations.back()->config, card_.path()));
        runs.back().killAtStep = step;
    }
    const std::vector<KioskOutcome> outcomes = RunKiosks(runs);
    StartAgain(stations);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(runs[i].killAtStep);
        ASSERT_TRUE(outcomes[i].killed) << "the step never came: " << outcomes[i].output;
        const OrdersOnDisk orders = ReadOrdersOnDisk(stations[i]->backup, false);
        ExpectSound(orders, outcomes[i]);
        EXPECT_EQ(orders.PlacedCount(), 0);
    }
    ExpectPlacedAgain(stations, false);
}

TEST_F(KioskKillTest, KillsSpreadOverARunLeaveTheOrderPlacedAndWholeOrNotPlaced) {
    Station& whole = NewStation(true);
    const KioskOutcome undisturbed = RunKiosks({MemberOrder(whole.config, card_.path())}).front();
    ASSERT_EQ(undisturbed.exitCode, 0) << undisturbed.output;
    ASSERT_EQ(ReadOrdersOnDisk(whole.backup, true).PlacedCount(), 1);

    constexpr int kKills = 8;
    std::vector<Station*> stations;
    std::vector<KioskRun> runs;
    for (int k = 1; k <= kKills; ++k) {
        stations.push_back(&NewStation(true));
        runs.push_back(MemberOrder(stations.back()->config, card_.path()));
        // The last ones land late, as side-by-side runs are slower.
        runs.back().killAfterMs = undisturbed.elapsedMs * k / (kKills - 2);
    }
    const std::vector<KioskOutcome> outcomes = RunKiosks(runs);
    StartAgain(stations);
    for (int k = 0; k < kKills; ++k) {
        SCOPED_TRACE("killed after " + std::to_string(*runs[k].killAfterMs) + " ms");
        EXPECT_TRUE(outcomes[k].killed || outcomes[k].exitCode == 0) << outcomes[k].output;
        ExpectSound(ReadOrdersOnDisk(stations[k]->backup, true), outcomes[k]);
    }
    ExpectPlacedAgain(stations, true);
}

}  // namespace
}  // namespace orelle::testing
