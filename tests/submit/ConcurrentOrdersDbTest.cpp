// Several stations ordering at once into one database (the tests'
// PostgreSQL server): every order its own number and all its rows, and a
// transaction the server gives up in a deadlock or a serialisation
// failure run once more.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "submit/OrderDatabaseFixture.h"

namespace orelle {
namespace {

class ConcurrentOrdersDbTest : public testing::OrderDatabaseTest {
  protected:
    MemberLoginResult Order(const std::string& localId) {
        MemberLoginInput in = Input();
        in.localId = localId;
        in.productList = "A01:3/B02:1/C03:2/";
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
            std::to_string(times) + " then raise exception '" + std::string(text) +
            "' using errcode = '" + state + "'; end if; return new; end $$");
        server_->Run(
            "create trigger fail_lines before insert on DB_ordermx "
            "for each row execute function fail_lines()");
    }
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
    EXPECT_EQ(Count("DB_ordermain"), 200u);
    EXPECT_EQ(Count("DB_ordermx"), 600u);
    EXPECT_EQ(Count("DB_ordermain h where "
                    "(select count(*) from DB_ordermx l where l.orderid = h.orderid) = 3"),
              200u);
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
        EXPECT_EQ(std::make_pair(Count("DB_ordermain"), Count("DB_ordermx")),
                  c.placed ? std::make_pair(1ul, 3ul) : std::make_pair(0ul, 0ul));
        EXPECT_EQ(r.status, c.placed ? "" : "插入订单号失败");
    }
}

}  // namespace
}  // namespace orelle
