// Several stations ordering at once into one database (the tests'
// PostgreSQL server): every order its own number and all its rows, and a
// transaction the server gives up in a deadlock or a serialisation
// failure run once more.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/db/OdbcDatabase.h"
#include "platform/jobs/JobContext.h"
#include "submit/MemberLoginDb.h"
#include "support/TestDatabase.h"

namespace orelle {
namespace {

using testing::TestDatabase;

class ConcurrentOrdersDbTest : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        server_ = std::make_unique<TestDatabase>();
        server_->Run(
            "insert into DB_member(code,password,phone,mobile,name,class,address) values"
            "('M100','pw1','020-1','138001','张三','3','广州路1号')");
        server_->Run(
            "insert into DB_product(product_code,product_price,product_price3) values"
            "('A01',5,4),('B02',6,3.5),('C03',7,3)");
    }

    MemberLoginResult Order(const std::string& localId) {
        MemberLoginInput in;
        in.memberCode = "M100";
        in.password = "pw1";
        in.computerId = "07";
        in.localId = localId;
        in.requirement = "加急";
        in.productList = "A01:3/B02:1/C03:2/";
        in.server = server_->Settings();
        InlineJobContext context;
        return MemberLoginDb(in, OdbcConnector::Default(), nullptr, context);
    }

    // The first `times` line inserts fail as the server reports `state`,
    // with its text.
    void FailLines(const char* state, const char* text, int times) {
        server_->Run("create sequence line_failures");
        server_->Run(
            "create function fail_lines() returns trigger language plpgsql as $$ begin "
            "if nextval('line_failures') <= " +
            std::to_string(times) + " then raise exception '" + std::string(text) + "' using errcode = '" + state +
            "'; end if; return new; end $$");
        server_->Run(
            "create trigger fail_lines before insert on DB_ordermx "
            "for each row execute function fail_lines()");
    }

    std::string Count(const std::string& sql) { return server_->Rows(sql).at(0).at("n"); }

    std::unique_ptr<TestDatabase> server_;
};

TEST_F(ConcurrentOrdersDbTest, EightStationsPlacingTwentyFiveOrdersEachGetDistinctNumbersAndRows) {
    constexpr int kStations = 8;
    constexpr int kOrders = 25;
    std::vector<std::vector<MemberLoginResult>> results(kStations);
    std::vector<std::thread> stations;
    for (int s = 0; s < kStations; ++s)
        stations.emplace_back([&, s] {
            for (int o = 0; o < kOrders; ++o)
                results[s].push_back(Order(std::to_string(s * 100 + o)));
        });
    for (std::thread& t : stations) t.join();
    std::set<std::string> numbers;
    for (const auto& station : results)
        for (const MemberLoginResult& r : station) {
            EXPECT_TRUE(r.ok) << r.status;
            numbers.insert(r.orderNumber);
        }
    EXPECT_EQ(numbers.size(), std::size_t{kStations * kOrders});
    EXPECT_EQ(Count("select count(*) as n from DB_ordermain"), "200");
    EXPECT_EQ(Count("select count(*) as n from DB_ordermx"), "600");
    EXPECT_EQ(Count("select count(*) as n from DB_ordermain h where "
                    "(select count(*) from DB_ordermx l where l.orderid = h.orderid) = 3"),
              "200");
}

TEST_F(ConcurrentOrdersDbTest, ADeadlockOrSerialisationFailureIsRetriedOnceThenTold) {
    struct Case {
        const char* state;
        const char* text;
        int failures;
        bool placed;
    } cases[] = {
        {"40P01", "deadlock detected", 1, true},
        {"40001", "could not serialize access due to concurrent update", 1, true},
        // Again at the retry: told as any failure.
        {"40001", "could not serialize access due to concurrent update", 2, false},
        // Any other failure is not retried.
        {"23505", "duplicate key value violates unique constraint", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.state) + " x" + std::to_string(c.failures));
        SetUp();  // a fresh database
        FailLines(c.state, c.text, c.failures);
        const MemberLoginResult r = Order("261208001");
        EXPECT_EQ(r.ok, c.placed) << r.status;
        EXPECT_EQ(Count("select count(*) as n from DB_ordermain"), c.placed ? "1" : "0");
        EXPECT_EQ(Count("select count(*) as n from DB_ordermx"), c.placed ? "3" : "0");
        EXPECT_EQ(r.status, c.placed ? "" : "插入订单号失败");
    }
}

}  // namespace
}  // namespace orelle
