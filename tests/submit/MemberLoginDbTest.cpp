// The database edition's order exchange against the tests' real
// PostgreSQL server: who is found, what is asked, which rows an order
// leaves, and what a failing server leaves (nothing).
#include "submit/MemberLoginDb.h"

#include <gtest/gtest.h>

#include "orderdata/FeatureFlags.h"
#include "orderdata/ParamConfig.h"
#include "submit/DatabaseOrderBackEnd.h"
#include "submit/OrderDatabaseFixture.h"

namespace orelle {
namespace {

using Rows = std::vector<Database::Row>;

const std::string kHint = "请正确填写会员号及密码\r\n查看最新促销优惠请登陆www.shop.example";

class MemberLoginDbTest : public testing::OrderDatabaseTest {
  protected:
    MemberLoginResult Login(const MemberLoginInput& in) {
        return OrderDatabaseTest::Login(in, [this](const char* t) { boxes_.push_back(t); });
    }
    std::vector<std::string> boxes_;
};

// The member's own price, else its class's list price.
TEST_F(MemberLoginDbTest, AnOrderLeavesItsHeadAndOneLinePerProductAtTheMembersPrices) {
    const MemberLoginResult r = Login(Input());
    ASSERT_TRUE(r.ok) << r.status;
    EXPECT_EQ(r.orderNumber.substr(0, 2), "07");
    EXPECT_EQ(r.orderNumber.size(), 14u);
    EXPECT_EQ(server_->Rows("select orderid, usercode, mobile, telephone, address, require, bshow, "
                            "submitdate is not null as dated from DB_ordermain"),
              (Rows{{{"orderid", r.orderNumber}, {"usercode", "M100"}, {"mobile", "138001"},
                     {"telephone", "020-1"}, {"address", "广州路1号"}, {"require", "加急,谢谢"},
                     {"bshow", "-1"}, {"dated", "1"}}}));
    EXPECT_EQ(server_->Rows("select orderid, productid, numbers, fnumbers, price from DB_ordermx "
                            "order by productid"),
              (Rows{{{"orderid", r.orderNumber}, {"productid", "A01"}, {"numbers", "3"},
                     {"fnumbers", "3"}, {"price", "2.5"}},
                    {{"orderid", r.orderNumber}, {"productid", "B02"}, {"numbers", "1"},
                     {"fnumbers", "1"}, {"price", "3.5"}}}));
    EXPECT_EQ(connector_.connections, 1);
    EXPECT_TRUE(context_.questions.empty());
    EXPECT_TRUE(boxes_.empty());
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
    EXPECT_EQ(std::tie(declined.ok, declined.status), std::make_tuple(false, kHint));
    EXPECT_EQ(Count("DB_ordermain"), 1u);
}

TEST_F(MemberLoginDbTest, RefusalsBeforeAndAtTheDatabase) {
    const struct {
        std::string code, password, status;
        int connections;
    } cases[] = {
        {"", "pw1", kHint, 0},
        {"M1 00", "pw1", kHint, 0},
        {"M100", "wrong", "会员号或密码错误!", 1},
        {"x'or'1'='1", "x'or'1'='1", "会员号或密码错误!", 1},
    };
    for (const auto& c : cases) {
        connector_.connections = 0;
        const MemberLoginResult r = Login(Input(c.code, c.password));
        EXPECT_FALSE(r.ok) << c.code;
        EXPECT_EQ(r.status, c.status) << c.code;
        EXPECT_EQ(connector_.connections, c.connections) << c.code;
    }
    EXPECT_EQ(std::make_pair(Count("DB_ordermain"), Count("DB_member")), std::make_pair(0ul, 2ul));
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MemberLoginDbTest, AServerThatIsDownOrRefusesTheLoginIsBoxedAndSaysSo) {
    MemberLoginInput down = Input();
    down.server.host = "127.0.0.1,1";
    MemberLoginInput refused = Input();
    refused.server.password = "wrong";
    for (const MemberLoginInput& in : {down, refused}) {
        boxes_.clear();
        const MemberLoginResult r = Login(in);
        EXPECT_EQ(std::tie(r.ok, r.status), std::make_tuple(false, "连接数据库服务器失败!"));
        EXPECT_EQ(boxes_, std::vector<std::string>{"database access error!"});
    }
}

// The job is stopped before the commit: no order is reported and none
// stays behind; the next try goes through.
TEST_F(MemberLoginDbTest, AStopInTheMiddleOfTheRowsLeavesNoHalfOrder) {
    connector_.beforeExecute = [&](const std::string&) { context_.Stop(); };
    EXPECT_FALSE(Login(Input()).ok);
    EXPECT_EQ(Count("DB_ordermain") + Count("DB_ordermx"), 0u);
    InlineJobContext fresh;
    connector_.beforeExecute = nullptr;
    EXPECT_TRUE(MemberLoginDb(Input(), connector_.real, {}, fresh).ok);
    EXPECT_EQ(Count("DB_ordermx"), 2u);
}

// The dialog's back end: settings in, the boxes handed to the UI's side;
// without the database the order number is local and nothing connects.
TEST(DatabaseOrderBackEndTest, SettingsChooseTheDatabaseOrNoneAndBoxesGoThroughTheUi) {
    ParamConfig config;
    config.computerId = "07";
    config.dbHost = "127.0.0.1,1";
    testing::CountedConnector connector;
    std::vector<std::string> shown;
    InlineJobContext context;
    OrderRequest request;
    request.memberCode = "M100";
    request.password = "pw";
    request.localId = "261207003";
    const auto Submit = [&](int insertdb) {
        config.insertdb = insertdb;
        return DatabaseOrderBackEnd(connector.real, config, FeatureFlags{},
                                    [&](const char* t) { shown.push_back(t); })
            .Submit(request, context);
    };
    const OrderOutcome placed = Submit(0);
    EXPECT_EQ(std::tie(placed.placed, placed.orderNumber), std::make_tuple(true, "0720261207003"));
    EXPECT_EQ(connector.connections, 0);

    const OrderOutcome down = Submit(1);
    EXPECT_EQ(std::tie(down.placed, down.status), std::make_tuple(false, "连接数据库服务器失败!"));
    EXPECT_EQ(shown, std::vector<std::string>{"database access error!"});
}

}  // namespace
}  // namespace orelle
