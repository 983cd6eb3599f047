#pragma once
// The shop's database on the tests' PostgreSQL server for the order
// database's tests: two members, one member's price, three products, and
// the real connection counted with a hook before each row change.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "orderdata/ParamConfig.h"
#include "platform/jobs/JobContext.h"
#include "submit/MemberLoginDb.h"
#include "support/TestDatabase.h"
#include "support/WatchedConnector.h"

namespace orelle::testing {

struct CountedConnector {
    CountedConnector() {
        real.before = [this](DbCall call, const std::string& sql) {
            if (call == DbCall::kConnect) ++connections;
            if (call == DbCall::kCreateId) ++drawn;
            if (call == DbCall::kExecute && beforeExecute) beforeExecute(sql);
        };
    }
    CountedConnector(const CountedConnector&) = delete;
    CountedConnector& operator=(const CountedConnector&) = delete;
    WatchedConnector real;
    std::function<void(const std::string&)> beforeExecute;  // a test ends the connection there
    int connections = 0;
    int drawn = 0;  // order numbers drawn
};

class OrderDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        server_ = std::make_unique<TestDatabase>();
        AddShop(*server_);
    }

  public:
    // Settings that place orders in the server's database.
    static ParamConfig OrderingInto(const TestDatabase& server) {
        const OdbcSettings db = server.Settings();
        ParamConfig config;
        config.insertdb = 1;
        config.computerId = "07";
        config.dbHost = db.host;
        config.dbUser = db.user;
        config.dbPassword = db.password;
        config.dbDriver = db.driver;
        config.dbName = db.database;
        return config;
    }

    static void AddShop(TestDatabase& server) {
        server.Run(
            "insert into DB_member(code,password,phone,mobile,name,class,address) values"
            "('M100','pw1','020-1','138001','张三','3','广州路1号'),"
            "('M200','pw2','020-2','139002','李四','0','addr2')");
        server.Run("insert into DB_memprice(pcode,memcode,price) values('A01','M100',2.5)");
        server.Run(
            "insert into DB_product(product_code,product_price,product_price3) values"
            "('A01',5,4),('B02',6,3.5),('C03',7,3)");
    }

  protected:

    MemberLoginInput Input(const std::string& code = "M100",
                           const std::string& password = "pw1") const {
        MemberLoginInput in;
        in.memberCode = code;
        in.password = password;
        in.computerId = "07";
        in.localId = "261207003";
        in.firstWebHost = "www.shop.example";
        in.requirement = "加急,谢谢";
        in.productList = "A01:3/B02:1/";
        in.server = server_->Settings();
        return in;
    }

    MemberLoginResult Login(const MemberLoginInput& in, const DatabaseErrorBox& box = {}) {
        return MemberLoginDb(in, connector_.real, box, context_);
    }

    std::size_t Count(const std::string& table) {
        return std::stoul(server_->Rows("select count(*) as n from " + table).at(0).at("n"));
    }

    std::unique_ptr<TestDatabase> server_;
    CountedConnector connector_;
    InlineJobContext context_;
};

}  // namespace orelle::testing
