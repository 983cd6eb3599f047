// Two customers at one station, each in a process of their own, one after
// the other: the second never gets the first one's member.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/KioskRun.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle::testing {
namespace {

TEST(KioskCustomersTest, TheNextProcessOpensWithoutTheMemberOfTheOneBefore) {
    TempFolder folder;
    const std::string config = folder / "config", backup = folder / "backup";
    MakeKioskSettings(config, backup, false);
    WriteJpeg(folder / "card/DCIM/IMG_0001.JPG", 64, 48);
    const auto settings = [&] {
        return ReadBytes(config + "/param.ini") + ReadBytes(config + "/ver_ctrl.ini");
    };
    const std::string before = settings();
    const std::vector<std::string> order = {"--config", config, "--folder", folder / "card",
                                            "--place-order"};

    KioskRun first;
    first.args = order;
    first.args.insert(first.args.end(), {"--member", "M01"});
    KioskRun next;
    next.args = order;
    const KioskOutcome placed = RunKiosks({first}).at(0);
    EXPECT_EQ(placed.exitCode, 0) << placed.output;
    EXPECT_FALSE(PlacedOrderNumber(placed).empty()) << placed.output;
    EXPECT_EQ(settings(), before);

    const KioskOutcome after = RunKiosks({next}).at(0);
    EXPECT_EQ(after.exitCode, 1) << after.output;
    EXPECT_EQ(after.output, "order not placed: 请输入会员号,再按'确定'下单\n");
    EXPECT_EQ(settings(), before);
}

}  // namespace
}  // namespace orelle::testing
