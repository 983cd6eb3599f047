// One database order per customer's order, whatever fails: once the
// database took a job's order, every later try for the job (here: with a
// fresh record on the same disk, as after a restart) completes that order.
// And the whole database exchange is bounded. The web back end's:
// WebOrderBackEndTest.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <tuple>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "platform/files/FileSystem.h"
#include "submit/BackOfficeRecord.h"
#include "submit/DatabaseOrderBackEnd.h"
#include "submit/OrderDatabaseFixture.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;

constexpr const char* kJob = "/backup/2015-3-7/150307001";
constexpr const char* kRecordFile = "/backup/2015-3-7/150307001/backoffice.ini";

// The job's disk, and a record on it as a process (re)started makes it.
struct JobDisk {
    JobDisk() { files.dirs = {"/backup", "/backup/2015-3-7", kJob}; }
    std::shared_ptr<BackOfficeRecord> Record() {
        return std::make_shared<BackOfficeRecord>(files, kJob);
    }
    MemoryFileSystem files;
};

// On the machine's disk, as the station keeps it: what is saved is read
// back after a restart, and a job without its folder keeps nothing.
TEST(BackOfficeRecordTest, TheWordIsKeptOnTheDiskAndReadBackWhole) {
    testing::TempFolder folder;
    BackOfficeRecord record(FileSystem::Default(), folder.path());
    OrderOutcome accepted;
    accepted.orderNumber = "07261208000001";
    accepted.orderMoney = 12.5;
    accepted.paymentIndex = 2;
    accepted.memberCode = "会员01";
    ASSERT_TRUE(record.SaveDrawnNumber(accepted.orderNumber));
    ASSERT_TRUE(record.SaveAcceptedOrder(accepted));
    EXPECT_EQ(testing::ReadBytes(folder / "backoffice.ini"),
              testing::GbkText("[backoffice]\ndrawn=07261208000001\nnumber=07261208000001\n"
                               "money=12.50\npayment=2\nmember=会员01\n"));
    const BackOfficeRecord again(FileSystem::Default(), folder.path());
    EXPECT_EQ(again.DrawnNumber(), accepted.orderNumber);
    const std::optional<OrderOutcome> read = again.AcceptedOrder("M100");
    ASSERT_TRUE(read);
    EXPECT_EQ(std::tie(read->placed, read->orderNumber, read->orderMoney, read->paymentIndex,
                       read->memberCode),
              std::make_tuple(true, accepted.orderNumber, 12.5, std::optional<int>(2), "会员01"));
    BackOfficeRecord missing(FileSystem::Default(), folder / "missing");
    EXPECT_FALSE(missing.SaveAcceptedOrder(accepted));
    EXPECT_FALSE(missing.AcceptedOrder("M100"));
}

class OneDatabaseOrderPerJobTest : public testing::OrderDatabaseTest {
  protected:
    MemberLoginResult Login() {
        MemberLoginInput in = Input();
        in.record = disk_.Record();
        return OrderDatabaseTest::Login(in);
    }

    JobDisk disk_;
};

TEST_F(OneDatabaseOrderPerJobTest, ARetryAfterAnyFailureCompletesTheOneOrderOfTheJob) {
    const struct {
        const char* what;
        bool loseCommit;
        bool dropInTheLines;
        std::size_t headsAfterFirst;
    } cases[] = {
        {"the COMMIT's reply lost", true, false, 1},
        {"the connection lost in the lines", false, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server_->Run("delete from DB_ordermx");
        server_->Run("delete from DB_ordermain");
        disk_.files.files.clear();
        connector_.drawn = 0;
        connector_.real.loseCommitReply = c.loseCommit;
        connector_.beforeExecute = [&](const std::string& sql) {
            if (c.dropInTheLines && sql.find("DB_ordermx") != std::string::npos)
                server_->DropOtherConnections();
        };
        const MemberLoginResult first = Login();
        EXPECT_EQ(std::tie(first.ok, first.status), std::make_tuple(false, "插入订单号失败"));
        EXPECT_EQ(Count("DB_ordermain"), c.headsAfterFirst);

        connector_.real.loseCommitReply = false;
        connector_.beforeExecute = nullptr;
        const MemberLoginResult again = Login();
        ASSERT_TRUE(again.ok) << again.status;
        EXPECT_EQ(connector_.drawn, 1) << "a second number drawn";
        const auto heads = server_->Rows("select orderid from DB_ordermain");
        ASSERT_EQ(heads.size(), 1u);
        EXPECT_EQ(heads[0].at("orderid"), again.orderNumber);
        EXPECT_EQ(Count("DB_ordermx"), 2u);

        // Known accepted now: a third try asks the database nothing.
        connector_.connections = 0;
        DatabaseOrderBackEnd backEnd(connector_.real, ParamConfig{}, FeatureFlags{}, {});
        OrderRequest request;
        request.record = disk_.Record();
        const OrderOutcome third = backEnd.Submit(request, context_);
        EXPECT_EQ(std::tie(third.placed, third.orderNumber, third.memberCode),
                  std::make_tuple(true, again.orderNumber, "M100"));
        EXPECT_EQ(connector_.connections, 0);
    }
}

TEST_F(OneDatabaseOrderPerJobTest, ANumberThatCannotBeKeptSendsNoRows) {
    disk_.files.refused.insert(kRecordFile);
    const MemberLoginResult r = Login();
    EXPECT_EQ(std::tie(r.ok, r.status), std::make_tuple(false, "插入订单号失败"));
    EXPECT_EQ(Count("DB_ordermain"), 0u);
}

TEST_F(OneDatabaseOrderPerJobTest, ASlowServerIsGivenUpAtTheBoundAndNothingStays) {
    // Each line's reply comes 400 ms late: two lines outlast a bound of
    // 600 ms.
    server_->Run(
        "create function slow_line() returns trigger language plpgsql as "
        "$$ begin perform pg_sleep(0.4); return new; end $$");
    server_->Run(
        "create trigger slow_line before insert on DB_ordermx for each row "
        "execute function slow_line()");
    DatabaseOrderBackEnd backEnd(connector_.real, OrderingInto(*server_), FeatureFlags{}, {});
    backEnd.exchangeBound = std::chrono::milliseconds(600);
    OrderRequest request;
    request.memberCode = "M100";
    request.password = "pw1";
    request.productList = "A01:3/B02:1/";
    request.record = disk_.Record();

    const auto start = std::chrono::steady_clock::now();
    const OrderOutcome slow = backEnd.Submit(request, context_);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(std::tie(slow.placed, slow.status), std::make_tuple(false, "插入订单号失败"));
    EXPECT_LT(took, std::chrono::milliseconds(600 + 400 + 500));
    // The server's side ends with the statement it was in, uncommitted.
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    EXPECT_EQ(Count("DB_ordermain"), 0u);
}

}  // namespace
}  // namespace orelle
