// The database edition's order exchange against the tests' real
// PostgreSQL server: who is found, what is asked, which rows an order
// leaves, and what a failing server leaves (nothing).
#include "submit/MemberLoginDb.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "platform/db/OdbcDatabase.h"
#include "platform/jobs/JobContext.h"
#include "submit/DatabaseOrderBackEnd.h"
#include "support/TestDatabase.h"
#include "support/WatchedConnector.h"

namespace orelle {
namespace {

using testing::DbCall;
using testing::TestDatabase;
using testing::WatchedConnector;

// The real connection, counted, with a hook before each statement that
// changes rows: a test ends the server's side of the connection there.
struct InterruptedConnector {
    InterruptedConnector() {
        real.before = [this](DbCall call, const std::string& sql) {
            if (call == DbCall::kConnect) ++connections;
            if (call == DbCall::kExecute && beforeExecute) beforeExecute(sql);
        };
    }
    InterruptedConnector(const InterruptedConnector&) = delete;
    InterruptedConnector& operator=(const InterruptedConnector&) = delete;
    WatchedConnector real;
    std::function<void(const std::string&)> beforeExecute;
    int connections = 0;
};

class MemberLoginDbTest : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        server_ = std::make_unique<TestDatabase>();
        server_->Run(
            "insert into DB_member(code,password,phone,mobile,name,class,address) values"
            "('M100','pw1','020-1','138001','张三','3','广州路1号'),"
            "('M200','pw2','020-2','139002','李四','0','addr2')");
        server_->Run("insert into DB_memprice(pcode,memcode,price) values('A01','M100',2.5)");
        server_->Run(
            "insert into DB_product(product_code,product_price,product_price3) values"
            "('A01',5,4),('B02',6,3.5)");
    }

    MemberLoginInput Input(const std::string& code, const std::string& password) const {
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

    MemberLoginResult Login(const MemberLoginInput& in) {
        return MemberLoginDb(
            in, connector_.real, [this](const char* t) { boxes_.push_back(t); }, context_);
    }

    std::unique_ptr<TestDatabase> server_;
    InterruptedConnector connector_;
    InlineJobContext context_;
    std::vector<std::string> boxes_;
};

TEST_F(MemberLoginDbTest, AMemberOrderLeavesItsHeadAndOneLinePerProductAtTheMembersPrices) {
    const MemberLoginResult r = Login(Input("M100", "pw1"));
    ASSERT_TRUE(r.ok) << r.status;
    EXPECT_EQ(r.orderNumber.substr(0, 2), "07");
    EXPECT_EQ(r.orderNumber.size(), 14u);
    const auto head = server_->Rows("select *, submitdate is not null as dated from DB_ordermain");
    ASSERT_EQ(head.size(), 1u);
    EXPECT_EQ(head[0].at("orderid"), r.orderNumber);
    EXPECT_EQ(head[0].at("usercode"), "M100");
    EXPECT_EQ(head[0].at("mobile"), "138001");
    EXPECT_EQ(head[0].at("telephone"), "020-1");
    EXPECT_EQ(head[0].at("address"), "广州路1号");
    EXPECT_EQ(head[0].at("require"), "加急,谢谢");
    EXPECT_EQ(head[0].at("bshow"), "-1");
    EXPECT_EQ(head[0].at("dated"), "1");
    // The member's own price, then class 3's list price.
    const auto lines = server_->Rows("select * from DB_ordermx order by productid");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].at("productid"), "A01");
    EXPECT_EQ(lines[0].at("numbers"), "3");
    EXPECT_EQ(lines[0].at("fnumbers"), "3");
    EXPECT_EQ(lines[0].at("price"), "2.5");
    EXPECT_EQ(lines[1].at("productid"), "B02");
    EXPECT_EQ(lines[1].at("numbers"), "1");
    EXPECT_EQ(lines[1].at("price"), "3.5");
    EXPECT_TRUE(context_.questions.empty());
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(connector_.connections, 1);
}

TEST_F(MemberLoginDbTest, ClassZeroReadsThePlainListPriceAndAnUnknownProductCostsOne) {
    MemberLoginInput in = Input("M200", "pw2");
    in.productList = "B02:2/ZZ9:4/";
    ASSERT_TRUE(Login(in).ok);
    const auto lines = server_->Rows("select * from DB_ordermx order by productid");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].at("price"), "6");
    EXPECT_EQ(lines[1].at("productid"), "ZZ9");
    EXPECT_EQ(lines[1].at("price"), "1");
    EXPECT_EQ(lines[1].at("numbers"), "4");
}

TEST_F(MemberLoginDbTest, APhoneNumberFindsTheMemberWhoConfirmsAndOrdersUnderTheRealCode) {
    MemberLoginInput in = Input("020-1", "");
    in.checkUser = true;
    context_.answer = [](const std::string&) { return true; };
    const MemberLoginResult r = Login(in);
    ASSERT_TRUE(r.ok) << r.status;
    EXPECT_EQ(r.memberCode, "M100");
    ASSERT_EQ(context_.questions.size(), 1u);
    EXPECT_EQ(context_.questions[0],
              "请确认会员资料:\r\n会员号:M100\r\n联系人:张三\r\n电话:020-1\r\n手机:138001\r\n"
              "如果确认会员资料,请点'是'!");
    EXPECT_EQ(server_->Rows("select usercode from DB_ordermain")[0].at("usercode"), "M100");

    // Declined: asked again for the code, nothing written.
    context_.answer = [](const std::string&) { return false; };
    const MemberLoginResult declined = Login(in);
    EXPECT_FALSE(declined.ok);
    EXPECT_EQ(declined.status, "请正确填写会员号及密码\r\n查看最新促销优惠请登陆www.shop.example");
    EXPECT_EQ(server_->Rows("select * from DB_ordermain").size(), 1u);
}

TEST_F(MemberLoginDbTest, RefusalsBeforeAndAtTheDatabase) {
    struct Case {
        std::string code, password;
        std::string status;
        int connections;
    };
    const std::string hint = "请正确填写会员号及密码\r\n查看最新促销优惠请登陆www.shop.example";
    for (const Case& c : std::vector<Case>{
             {"", "pw1", hint, 0},
             {"M1 00", "pw1", hint, 0},
             {"M100", "wrong", "会员号或密码错误!", 1},
             {"x' or '1'='1", "x' or '1'='1", hint, 0},
             {"x'or'1'='1", "x'or'1'='1", "会员号或密码错误!", 1},
         }) {
        connector_.connections = 0;
        const MemberLoginResult r = Login(Input(c.code, c.password));
        EXPECT_FALSE(r.ok) << c.code;
        EXPECT_EQ(r.status, c.status) << c.code;
        EXPECT_EQ(connector_.connections, c.connections) << c.code;
    }
    EXPECT_TRUE(server_->Rows("select * from DB_ordermain").empty());
    EXPECT_EQ(server_->Rows("select * from DB_member").size(), 2u);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MemberLoginDbTest, WithoutTheDatabaseTheOrderNumberIsLocalAndNothingConnects) {
    MemberLoginInput in = Input("", "");
    in.useDatabase = false;
    const MemberLoginResult r = Login(in);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.orderNumber, "0720261207003");
    EXPECT_EQ(connector_.connections, 0);
}

TEST_F(MemberLoginDbTest, AServerThatIsDownOrRefusesTheLoginIsBoxedAndSaysSo) {
    MemberLoginInput down = Input("M100", "pw1");
    down.server.host = "127.0.0.1,1";
    MemberLoginInput refused = Input("M100", "pw1");
    refused.server.password = "wrong";
    for (const MemberLoginInput& in : {down, refused}) {
        boxes_.clear();
        const MemberLoginResult r = Login(in);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.status, "连接数据库服务器失败!");
        EXPECT_EQ(boxes_, std::vector<std::string>{"database access error!"});
    }
}

// The connection dies after the head row went in: no order is reported
// and none stays behind; the next try goes through.
TEST_F(MemberLoginDbTest, AConnectionLostInTheMiddleOfTheRowsLeavesNoHalfOrder) {
    int lines = 0;
    connector_.beforeExecute = [&](const std::string& sql) {
        if (sql.find("DB_ordermx") != std::string::npos && ++lines == 2)
            server_->DropOtherConnections();
    };
    const MemberLoginResult r = Login(Input("M100", "pw1"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, "插入订单号失败");
    EXPECT_TRUE(server_->Rows("select * from DB_ordermain").empty());
    EXPECT_TRUE(server_->Rows("select * from DB_ordermx").empty());

    connector_.beforeExecute = nullptr;
    EXPECT_TRUE(Login(Input("M100", "pw1")).ok);
    EXPECT_EQ(server_->Rows("select * from DB_ordermx").size(), 2u);
}

TEST_F(MemberLoginDbTest, AStopBeforeTheCommitLeavesNoRows) {
    connector_.beforeExecute = [&](const std::string&) { context_.Stop(); };
    EXPECT_FALSE(Login(Input("M100", "pw1")).ok);
    EXPECT_TRUE(server_->Rows("select * from DB_ordermain").empty());
}

TEST_F(MemberLoginDbTest, AThousandOrdersInARowHaveAThousandNumbersAndTheirRows) {
    std::set<std::string> numbers;
    for (int i = 0; i < 1000; ++i) {
        const MemberLoginResult r = Login(Input(i % 2 ? "M100" : "M200", i % 2 ? "pw1" : "pw2"));
        ASSERT_TRUE(r.ok) << i << " " << r.status;
        numbers.insert(r.orderNumber);
    }
    EXPECT_EQ(numbers.size(), 1000u);
    EXPECT_EQ(server_->Rows("select count(*) as n from DB_ordermain")[0].at("n"), "1000");
    EXPECT_EQ(server_->Rows("select count(*) as n from DB_ordermx")[0].at("n"), "2000");
    EXPECT_EQ(server_->Rows("select count(distinct orderid) as n from DB_ordermx")[0].at("n"),
              "1000");
}

}  // namespace
}  // namespace orelle

namespace orelle {
namespace {

// The dialog's back end: settings in, the boxes handed to the UI's side.
TEST(DatabaseOrderBackEndTest, SettingsChooseTheDatabaseOrNoneAndBoxesGoThroughTheUi) {
    ParamConfig config;
    config.computerId = "07";
    config.dbHost = "127.0.0.1,1";
    FeatureFlags flags;
    InterruptedConnector connector;
    std::vector<std::string> shown;
    InlineJobContext context;
    OrderRequest request;
    request.memberCode = "M100";
    request.password = "pw";
    request.localId = "261207003";

    config.insertdb = 0;
    DatabaseOrderBackEnd local(connector.real, config, flags,
                               [&](const char* t) { shown.push_back(t); });
    const OrderOutcome placed = local.Submit(request, context);
    EXPECT_TRUE(placed.placed);
    EXPECT_EQ(placed.orderNumber, "0720261207003");
    EXPECT_EQ(connector.connections, 0);

    config.insertdb = 1;
    DatabaseOrderBackEnd shop(connector.real, config, flags,
                              [&](const char* t) { shown.push_back(t); });
    const OrderOutcome down = shop.Submit(request, context);
    EXPECT_FALSE(down.placed);
    EXPECT_EQ(down.status, "连接数据库服务器失败!");
    EXPECT_EQ(shown, std::vector<std::string>{"database access error!"});
}

}  // namespace
}  // namespace orelle
