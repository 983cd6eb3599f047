// The order database through Qt's ODBC driver against the tests' real
// PostgreSQL server: values that stay values and the ways a server can
// fail to answer.
#include "platform/db/OdbcDatabase.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/SilentListener.h"
#include "support/TestDatabase.h"

namespace orelle {
namespace {

using testing::TestDatabase;

TEST(OdbcDatabaseTest, BoundValuesStayValuesAndRowsComeBackTrimmed) {
    REQUIRE_TEST_DATABASE();
    TestDatabase server;
    server.Run(
        "insert into DB_member(code,password,name,class) values('m1','pw','  O''Brien 张  ',NULL)");
    std::string error;
    auto db = OdbcConnector().Connect(server.Settings(), &error);
    ASSERT_TRUE(db) << error;

    std::vector<Database::Row> rows;
    ASSERT_TRUE(
        db->Query("select * from DB_member where name like ?", {std::string("%O'Brien%")}, &rows));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["name"], "O'Brien 张");  // trimmed, UTF-8
    EXPECT_EQ(rows[0]["class"], "");           // NULL
    EXPECT_EQ(rows[0].count("code"), 1u);      // names lower-cased

    ASSERT_TRUE(db->Execute("insert into DB_ordermain(orderid,usercode,bshow) values(?,?,?)",
                            {std::string("o'1"), std::string("会员"), std::int64_t{-1}}));
    ASSERT_TRUE(db->Execute(
        "insert into DB_ordermx(orderid,productid,numbers,price,fnumbers) values(?,?,?,?,?)",
        {std::string("o'1"), std::string("A01"), std::int64_t{3}, 12.5, std::int64_t{3}}));
    const auto stored = server.Rows("select * from DB_ordermx");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].at("orderid"), "o'1");
    EXPECT_EQ(stored[0].at("price"), "12.5");
    EXPECT_FALSE(db->Query("select * from no_such_table", {}, &rows));
    EXPECT_TRUE(rows.empty());
}

// A silent server or a missing driver ends in a refusal, and within the
// login time-out where the server keeps silent.
TEST(OdbcDatabaseTest, ServersThatDoNotLetUsInAreRefusedInTime) {
    REQUIRE_TEST_DATABASE();
    TestDatabase server;
    testing::SilentListener silent;
    OdbcSettings silentServer = server.Settings();
    silentServer.host = "127.0.0.1," + std::to_string(silent.port());
    silentServer.loginTimeoutSeconds = 1;
    OdbcSettings silentSqlServer = silentServer;
    silentSqlServer.driver = "FreeTDS";
    OdbcSettings noDriver = server.Settings();
    noDriver.driver = "No Such Driver";
    for (const OdbcSettings& s : {silentServer, silentSqlServer, noDriver}) {
        const auto start = std::chrono::steady_clock::now();
        std::string error;
        EXPECT_FALSE(OdbcConnector().Connect(s, &error)) << s.driver << " " << s.host;
        EXPECT_FALSE(error.empty());
        // A hang guard, far above the one second asked for.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20))
            << s.driver << " " << s.host;
    }
}

}  // namespace
}  // namespace orelle
