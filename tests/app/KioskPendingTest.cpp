// Two stations on one backup root leave jobs in every state, then
// --pending and --finish run while a third station places an order:
// --pending lists the stopped jobs, never the third's; --finish makes the
// upload package and marks the order's own section with the back office's
// number, asking it nothing;
// a host's --order-id without a tag places under the job's own section.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "support/KioskRun.h"
#include "support/OrdersOnDisk.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle::testing {
namespace {

struct Left {
    const char* killAt;  // empty: not killed
    bool pending;        // listed by --pending
    bool number;         // the back office has the order
};
const Left kStates[] = {
    {"", false, true},                              // placed
    {"lumora.ini||before", true, true},             // the back office has it
    {"photo.ini||after", true, false},              // before the order
    {"photo.ini|bSuccess=1|before", false, true},   // marked, photo.ini not told
};

class KioskPendingTest : public ::testing::Test {
  protected:
    KioskPendingTest() {
        server_.Answer("/Lumora/client/statlogin.asp", "status=0%ordermoney=1.5%username=M01%");
        server_.BookOrders("/Lumora/client/startorder.asp",
                           "status=0%ordermoney=1.5%orderid={orderid}%localid={localid}%", 300);
        WriteJpeg(card_ / "DCIM/IMG_0001.JPG", 64, 48);
    }
    KioskRun Kiosk(int station, std::vector<std::string> args) {
        const std::string config = folder_ / ("config" + std::to_string(station));
        if (!std::filesystem::exists(config)) MakeKioskSettings(config, backup_, true);
        args.insert(args.begin(), {"--config", config, "--web", "127.0.0.1:" + std::to_string(server_.port())});
        return {.args = args};
    }
    KioskRun Order(int station, std::vector<std::string> job = {}) {
        if (job.empty()) job = {"--folder", card_.path()};
        job.insert(job.end(), {"--place-order", "--member", "M01", "--password", "pw"});
        return Kiosk(station, job);
    }

    StandInServer server_;
    TempFolder folder_, card_;
    std::string backup_ = folder_ / "backup";
};

TEST_F(KioskPendingTest, PendingOrdersAreListedAndFinishedUnderTheirOwnSection) {
    std::map<std::string, const Left*> jobs;
    for (const Left& state : kStates) {
        std::vector<KioskRun> runs = {Order(1), Order(2)};
        for (KioskRun& run : runs) run.killAtStep = state.killAt;
        RunKiosks(runs);
        for (const OrderOnDisk& order : ReadOrdersOnDisk(backup_, true).orders)
            jobs.emplace(order.storeDDH, &state);
    }
    ASSERT_EQ(jobs.size(), 8u);
    const std::size_t bookedBefore = server_.Booked().size();
    std::vector<KioskRun> runs = {Order(3), Kiosk(1, {"--pending"}), Kiosk(1, {"--pending"})};
    runs[1].startDelayMs = 200;
    runs[2].startDelayMs = 900;
    for (const auto& [job, state] : jobs) {
        runs.push_back(Kiosk(2, {"--finish", job}));
        runs.back().startDelayMs = 1200;
    }
    const std::vector<KioskOutcome> out = RunKiosks(runs);
    ASSERT_EQ(out[0].exitCode, 0) << out[0].output << out[0].errors;
    for (const KioskOutcome* pending : {&out[1], &out[2]}) {
        const std::string& text = pending->output;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4) << text;
        for (const auto& [job, state] : jobs) {
            const std::size_t at = text.find(job + " ");
            EXPECT_EQ(at != std::string::npos, state->pending) << job << "\n" << text;
            if (at == std::string::npos) continue;
            EXPECT_EQ(text.substr(text.find('\n', at) - 2, 2) == " -", !state->number) << job;
        }
    }
    std::size_t finish = 3;
    for (const auto& [job, state] : jobs) {
        const KioskOutcome& done = out[finish++];
        EXPECT_EQ(done.exitCode, state->pending && state->number ? 0 : 1) << job << done.errors;
    }
    EXPECT_EQ(server_.Booked().size(), bookedBefore + 1) << "the back office was asked again";

    // The host's recipe on the job left before its order: its own copies.
    std::string unordered;
    for (const auto& [job, state] : jobs)
        if (state->pending && !state->number) unordered = job;
    std::vector<std::string> host = {"--photos"};
    for (const auto& e : std::filesystem::recursive_directory_iterator(backup_))
        if (e.path().extension() == ".jpg" &&
            e.path().string().find("/" + unordered + "/") != std::string::npos)
            host.push_back(e.path());
    host.insert(host.end(), {"--order-id", unordered});
    const KioskOutcome placed = RunKiosk(Order(1, host));
    EXPECT_EQ(placed.exitCode, 0) << placed.output << placed.errors;

    const OrdersOnDisk orders = ReadOrdersOnDisk(backup_, true);
    EXPECT_EQ(orders.faults, std::vector<std::string>{});
    for (const OrderOnDisk& order : orders.orders) {
        SCOPED_TRACE(order.storeDDH);
        EXPECT_NE(order.section, "0");
        EXPECT_EQ(order.faults, std::vector<std::string>{});
        const Left* state = jobs.contains(order.storeDDH) ? jobs[order.storeDDH] : &kStates[0];
        EXPECT_EQ(order.placed, state->number || order.storeDDH == unordered);
    }
    // One order a job at the back office.
    EXPECT_EQ(server_.Booked().size(), static_cast<std::size_t>(orders.PlacedCount()));
}

}  // namespace
}  // namespace orelle::testing
