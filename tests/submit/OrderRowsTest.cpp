// The database steps of an order against a scripted database: what is
// asked, what is written, and that a failure leaves nothing half done.
#include "submit/OrderRows.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orelle {
namespace {

// Answers queries from a script and records every statement.
struct ScriptedDatabase : Database {
    struct Statement {
        std::string sql;
        std::vector<Value> values;
    };
    std::function<std::vector<Row>(const Statement&)> answer;
    int failAtExecute = -1;  // the n-th Execute fails (0 the first)
    std::vector<Statement> executed;
    std::vector<std::string> log;

    bool Query(const std::string& sql, const std::vector<Value>& values,
               std::vector<Row>* rows) override {
        log.push_back("query");
        *rows = answer ? answer({sql, values}) : std::vector<Row>{};
        return true;
    }
    bool Execute(const std::string& sql, const std::vector<Value>& values) override {
        log.push_back("execute");
        if (static_cast<int>(executed.size()) == failAtExecute) return false;
        executed.push_back({sql, values});
        return true;
    }
    bool Begin() override {
        log.push_back("begin");
        return true;
    }
    bool Commit() override {
        log.push_back("commit");
        return true;
    }
    void Rollback() override {
        log.push_back("rollback");
        executed.clear();
    }
    std::optional<std::string> CreateId() override { return id; }
    std::optional<std::string> id;
};

std::string Text(const Database::Value& v) { return std::get<std::string>(v); }

TEST(OrderRowsTest, ProductListsAndPriceColumns) {
    const auto items = ParseProductList("A01:3/B02:1/9999:1/C");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(std::tie(items[0].code, items[0].count, items[2].code),
              std::make_tuple("A01", 3, "9999"));
    EXPECT_TRUE(ParseProductList("A01:3").empty()) << "no '/' left";

    for (const auto& [cls, column] :
         {std::pair{"0", "product_price"}, {"3", "product_price3"}, {"", "product_price"}})
        EXPECT_EQ(ClassPriceColumn(cls), column) << cls;
    for (const char* other : {"10", "x", "1 from DB_member; --"})
        EXPECT_EQ(ClassPriceColumn(other), std::nullopt) << other;
}

TEST(OrderRowsTest, PricesComeFromTheMemberThenItsClassThenOne) {
    ScriptedDatabase db;
    db.answer = [](const ScriptedDatabase::Statement& s) -> std::vector<Database::Row> {
        if (s.sql.find("DB_member") != std::string::npos)
            return {{{"class", "3"}, {"mobile", "139"}, {"phone", "555"}, {"address", "路1号"}}};
        const std::string code = Text(s.values[0]);
        if (s.sql.find("DB_memprice") != std::string::npos && code == "A01")
            return {{{"money", "2.50"}}};
        if (s.sql.find("product_price3 as money from DB_product") != std::string::npos &&
            code == "B02")
            return {{{"money", "4.00"}}};
        return {};
    };
    double charged = 0;
    ASSERT_TRUE(InsertOrderRows(db, {"07261207001", "80012", "亮一些", "A01:3/B02:1/C03:2/"}, {},
                                &charged));
    EXPECT_EQ(charged, 3 * 2.5 + 4.0 + 2 * 1.0);
    ASSERT_EQ(db.executed.size(), 4u);
    const auto& head = db.executed[0];
    EXPECT_NE(head.sql.find("getdate(),?,?,-1,?,?"), std::string::npos);
    EXPECT_EQ(Text(head.values[2]) + "|" + Text(head.values[3]) + "|" + Text(head.values[5]),
              "139|555|亮一些");
    const double prices[] = {2.5, 4.0, 1.0};
    const std::int64_t counts[] = {3, 1, 2};
    for (int i = 0; i < 3; ++i) {
        const auto& line = db.executed[static_cast<std::size_t>(i) + 1];
        EXPECT_EQ(std::get<double>(line.values[3]), prices[i]) << i;
        EXPECT_EQ(std::get<std::int64_t>(line.values[2]), counts[i]) << i;
        EXPECT_EQ(std::get<std::int64_t>(line.values[4]), counts[i]) << i;
    }
    EXPECT_EQ(db.log.back(), "commit");
}

TEST(OrderRowsTest, AFailedLineLeavesNoHalfOrder) {
    ScriptedDatabase db;
    db.failAtExecute = 2;  // the second line
    EXPECT_FALSE(InsertOrderRows(db, {"07261207001", "80012", "", "A01:3/B02:1/C03:2/"}));
    EXPECT_TRUE(db.executed.empty());
    EXPECT_EQ(db.log.back(), "rollback");
    // An unknown member class never reaches a statement: the price is 1.
    ScriptedDatabase odd;
    odd.answer = [](const ScriptedDatabase::Statement& s) -> std::vector<Database::Row> {
        if (s.sql.find("DB_member") != std::string::npos) return {{{"class", "9; drop"}}};
        return {};
    };
    ASSERT_TRUE(InsertOrderRows(odd, {"1", "m", "", "A01:1/"}));
    for (const auto& s : odd.executed) EXPECT_EQ(s.sql.find("drop"), std::string::npos);
    EXPECT_EQ(std::get<double>(odd.executed[1].values[3]), 1.0);
}

// The login's look-up has just read the member: its row serves the head
// and the price column without asking again.
TEST(OrderRowsTest, AMemberAlreadyReadIsNotReadAgain) {
    ScriptedDatabase db;
    std::vector<std::string> asked;
    db.answer = [&](const ScriptedDatabase::Statement& s) -> std::vector<Database::Row> {
        asked.push_back(s.sql);
        if (s.sql.find("product_price2 as money") != std::string::npos) return {{{"money", "7"}}};
        return {};
    };
    OrderRowsInput order{"07261207001", "80012", "", "A01:1/"};
    order.member = Database::Row{{"code", "80012"}, {"class", "2"}, {"mobile", "139"}};
    ASSERT_TRUE(InsertOrderRows(db, order));
    for (const std::string& sql : asked) EXPECT_EQ(sql.find("DB_member"), std::string::npos);
    EXPECT_EQ(db.log.front(), "begin");
    EXPECT_EQ(Text(db.executed[0].values[2]), "139");
    EXPECT_EQ(std::get<double>(db.executed[1].values[3]), 7.0);
}

TEST(OrderRowsTest, TheOrderNumberComesFromTheProcedure) {
    ScriptedDatabase db;
    EXPECT_EQ(CreateOrderNumber(db, "07"), std::nullopt);
    db.id = "000123";
    EXPECT_EQ(CreateOrderNumber(db, "07"), "07000123");
}

}  // namespace
}  // namespace orelle
