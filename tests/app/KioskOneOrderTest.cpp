// orelle-kiosk killed with SIGKILL at moments spread over its exchange
// with the back office, then started again on the same job (a host that
// numbers its own orders gives the same local order id): afterwards the
// back office holds exactly one order per job, and it is the one the
// job's files name as placed. Against the stand-in web server, which
// knows its orders by localid, and the tests' PostgreSQL server. The
// servers answer slowly, so that the kills land inside the exchange.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "orderdata/OrderDate.h"
#include "platform/clock/Clock.h"
#include "platform/ini/Profile.h"
#include "support/KioskRun.h"
#include "support/OrdersOnDisk.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"
#include "support/TestDatabase.h"
#include "support/TestJpeg.h"

namespace orelle::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 8;

// One station with one job of the host's numbering, its photos in place.
struct HostJob {
    TempFolder folder;
    std::string config = folder / "config";
    std::string backup = folder / "backup";
    std::string localId;
    int tag = 0;
    std::vector<std::string> photos;
};

class KioskOneOrderTest : public ::testing::Test {
  protected:
    HostJob& NewJob(int k) {
        jobs_.push_back(std::make_unique<HostJob>());
        HostJob& job = *jobs_.back();
        MakeKioskSettings(job.config, job.backup, false);
        if (withSettings_) withSettings_(job);
        const OrderDate today = OrderDate::From(Clock::Default().Now());
        job.tag = 900 + k;
        job.localId = today.datePrefix + std::to_string(job.tag);
        const fs::path work = fs::path(job.backup) / today.dateStr / job.localId;
        fs::create_directories(work);
        for (int i = 1; i <= 2; ++i) {
            job.photos.push_back((work / ("img_000" + std::to_string(i) + ".jpg")).string());
            WriteJpeg(job.photos.back(), 64, 48);
        }
        return job;
    }

    KioskRun PlaceOrder(const HostJob& job, const std::vector<std::string>& edition) const {
        KioskRun run;
        run.args = {"--config", job.config};
        run.args.insert(run.args.end(), edition.begin(), edition.end());
        run.args.push_back("--photos");
        run.args.insert(run.args.end(), job.photos.begin(), job.photos.end());
        run.args.insert(run.args.end(), {"--order-id", job.localId, "--order-tag",
                                         std::to_string(job.tag), "--place-order"});
        return run;
    }

    // Kills spread over an undisturbed run's time, then every station
    // started again on its job; the numbers each job's files name placed.
    std::vector<std::string> KillAndPlaceAgain(const std::vector<std::string>& edition) {
        const KioskOutcome undisturbed = RunKiosks({PlaceOrder(NewJob(0), edition)}).front();
        EXPECT_EQ(undisturbed.exitCode, 0) << undisturbed.output << undisturbed.errors;
        std::vector<KioskRun> runs;
        for (int k = 1; k <= kKills; ++k) {
            runs.push_back(PlaceOrder(NewJob(k), edition));
            // Up to twice the time: side-by-side runs are much slower.
            runs.back().killAfterMs = undisturbed.elapsedMs * k / (kKills / 2);
        }
        RunKiosks(runs);
        if (afterKills_) afterKills_();
        std::vector<KioskRun> again;
        for (int k = 1; k <= kKills; ++k) again.push_back(PlaceOrder(*jobs_[k], edition));
        const std::vector<KioskOutcome> placed = RunKiosks(again);
        std::vector<std::string> numbers{PlacedOrderNumber(undisturbed)};
        for (int k = 1; k <= kKills; ++k) {
            SCOPED_TRACE("killed after " + std::to_string(*runs[k - 1].killAfterMs) + " ms");
            EXPECT_EQ(placed[k - 1].exitCode, 0) << placed[k - 1].output << placed[k - 1].errors;
            const OrdersOnDisk orders = ReadOrdersOnDisk(jobs_[k]->backup, false);
            EXPECT_EQ(orders.PlacedCount(), 1);
            for (const OrderOnDisk& order : orders.orders) {
                EXPECT_EQ(order.faults, std::vector<std::string>{}) << order.storeDDH;
                if (order.placed) {
                    EXPECT_EQ(order.saleDDH, PlacedOrderNumber(placed[k - 1]));
                }
            }
            numbers.push_back(PlacedOrderNumber(placed[k - 1]));
        }
        return numbers;
    }

    std::vector<std::unique_ptr<HostJob>> jobs_;
    // Looks at what the kills left, before the stations start again.
    std::function<void()> afterKills_;
    // Changes each station's settings once they are made.
    std::function<void(const HostJob&)> withSettings_;
};

TEST_F(KioskOneOrderTest, AWebOrderKilledAnywhereIsBookedOnceAndPlacedOnTheNextStart) {
    StandInServer server;
    server.Script("/Lumora/client/statlogin.asp",
                  {"status=0%ordermoney=1.5%bfullmoney=0%username=M01%", 400});
    // The server books the order on arrival and answers late.
    server.BookOrders("/Lumora/client/startorder.asp",
                      "status=0%ordermoney=1.5%orderid={orderid}%localid={localid}%", 800);
    // A job whose order the station kept is completed without a word to
    // the server.
    const auto starts = [&server](const std::string& localId) {
        int n = 0;
        for (const StandInRequest& r : server.Requests())
            n += r.path == "/Lumora/client/startorder.asp" &&
                 r.body.find("localid=" + localId) != std::string::npos;
        return n;
    };
    std::map<std::string, int> keptStarts;
    afterKills_ = [&] {
        for (const auto& job : jobs_) {
            const fs::path work = fs::path(job->backup) /
                                  OrderDate::From(Clock::Default().Now()).dateStr / job->localId;
            if (!Profile((work / "backoffice.ini").string()).GetString("backoffice", "number", "").empty())
                keptStarts[job->localId] = starts(job->localId);
        }
    };
    const std::vector<std::string> numbers =
        KillAndPlaceAgain({"--web", "127.0.0.1:" + std::to_string(server.port()), "--member",
                           "M01", "--password", "pw"});
    const std::map<std::string, std::string> booked = server.Booked();
    EXPECT_EQ(booked.size(), jobs_.size());
    std::set<std::string> told(numbers.begin(), numbers.end());
    for (const auto& [localId, orderId] : booked) {
        EXPECT_EQ(told.count("00" + orderId), 1u) << localId;
    }
    EXPECT_EQ(told.size(), jobs_.size());
    EXPECT_GE(keptStarts.size(), 2u) << "few kills after the server's reply";
    for (const auto& [localId, before] : keptStarts) EXPECT_EQ(starts(localId), before) << localId;
}

TEST_F(KioskOneOrderTest, ADatabaseOrderKilledAnywhereHasOneHeadAndIsPlacedOnTheNextStart) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    db.Run(
        "insert into DB_member(code,password,phone,mobile,name,class,address) values"
        "('M100','472951','020-1','138001','张三','0','addr')");
    // Each row's reply comes late.
    db.Run(
        "create function slow_row() returns trigger language plpgsql as "
        "$$ begin perform pg_sleep(0.3); return new; end $$");
    for (const char* table : {"DB_ordermain", "DB_ordermx"})
        db.Run(std::string("create trigger slow_row before insert on ") + table +
               " for each row execute function slow_row()");
    const OdbcSettings server = db.Settings();
    withSettings_ = [&](const HostJob& job) {
        Profile param(job.config + "/param.ini");
        param.WriteString("dbserver", "host", server.host);
        param.WriteString("dbserver", "user", server.user);
        param.WriteString("dbserver", "password", server.password);
        param.WriteString("dbserver", "driver", server.driver);
        param.WriteString("dbserver", "database", server.database);
        param.WriteString("other", "insertdb", "1");
    };
    const std::vector<std::string> numbers =
        KillAndPlaceAgain({"--member", "M100", "--password", "472951"});
    const auto heads = db.Rows("select orderid from DB_ordermain");
    EXPECT_EQ(heads.size(), jobs_.size());
    std::set<std::string> told(numbers.begin(), numbers.end());
    for (const auto& head : heads) {
        EXPECT_EQ(told.count(head.at("orderid")), 1u);
    }
    EXPECT_EQ(told.size(), jobs_.size());
}

}  // namespace
}  // namespace orelle::testing
