// orelle-orders beside working stations: a day of two stations' orders,
// placed and not, listed again and again while a third station places one.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/KioskRun.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle::testing {
namespace {

TEST(OrdersProgram, ListsTheDayWhileAThirdStationPlacesAnOrder) {
    TempFolder folder;
    const std::string backup = folder / "backup";
    std::vector<KioskRun> orders;
    for (int s = 0; s < 3; ++s) {
        const std::string config = folder / ("config" + std::to_string(s));
        const std::string card = folder / ("card" + std::to_string(s));
        MakeKioskSettings(config, backup, false);
        WriteJpeg(card + "/DCIM/100TEST/p" + std::to_string(s) + ".jpg", 64, 48);
        orders.push_back(MemberOrder(config, card));
    }
    // Station 1's second job is loaded and left without an order.
    KioskRun open = orders[1];
    open.args = {"--config",   open.args[1],   "--folder",
                 open.args[3], "--screenshot", folder / "open.png"};
    const std::vector<KioskOutcome> first = RunKiosks({orders[0], orders[1]});
    ASSERT_EQ(RunKiosk(open).exitCode, 0);
    const std::string one = PlacedOrderNumber(first[0]), two = PlacedOrderNumber(first[1]);
    ASSERT_FALSE(one.empty() || two.empty());

    const KioskRun list{.args = {"--config", orders[0].args[1]},
                        .program = ORELLE_PROGRAMS_DIR "/orelle-orders"};
    std::vector<KioskRun> beside{orders[2]};
    for (int i = 0; i < 4; ++i) {
        beside.push_back(list);
        beside.back().startDelayMs = 150 * i;
    }
    const std::vector<KioskOutcome> runs = RunKiosks(beside);
    const std::string three = PlacedOrderNumber(runs[0]);
    ASSERT_FALSE(three.empty()) << runs[0].errors;
    for (std::size_t i = 1; i < runs.size(); ++i) {
        ASSERT_EQ(runs[i].exitCode, 0) << runs[i].errors;
        EXPECT_NE(runs[i].output.find(one), std::string::npos) << runs[i].output;
        EXPECT_NE(runs[i].output.find(two), std::string::npos) << runs[i].output;
        EXPECT_NE(runs[i].output.find("  not placed\n"), std::string::npos) << runs[i].output;
    }
    // As the scanner reads it; the day as the shop types it.
    KioskRun find = list;
    find.args.insert(find.args.end(), {"--find", three, "--json"});
    const KioskOutcome found = RunKiosk(find);
    EXPECT_EQ(found.exitCode, 0) << found.errors;
    EXPECT_NE(found.output.find("\"placed\":true"), std::string::npos) << found.output;
    EXPECT_NE(found.output.find("\"" + three + "\""), std::string::npos);
    find.args = {"--config", list.args[1], "--day", "1999-01-02"};
    EXPECT_EQ(RunKiosk(find).output, "");
}

}  // namespace
}  // namespace orelle::testing
