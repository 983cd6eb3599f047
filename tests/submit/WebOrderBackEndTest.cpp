// Placing an order with the stand-in order web server: the price check and
// its confirmation, the order start, the replies' messages and the switch
// to the second host.
#include <gtest/gtest.h>

#include "orderdata/ParamConfig.h"
#include "submit/BackOfficeRecord.h"
#include "submit/OrderForm.h"
#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"
#include "submit/WebOrderBackEnd.h"
#include "support/MemoryFileSystem.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::StandInServer;

constexpr const char* kCheck = "/Lumora/client/statlogin.asp";
constexpr const char* kStart = "/Lumora/client/startorder.asp";
constexpr const char* kPriced = "status=0%ordermoney=12.5%bfullmoney=0%username=张三%";
constexpr const char* kStarted = "status=0%ordermoney=12.5%orderid=123456%localid=150307001%";

OrderRequest Request() {
    OrderRequest r;
    r.memberCode = "M01";
    r.password = "pw";
    r.paymentIndex = 1;
    r.productList = "6x4:2/";
    r.localId = "150307001";
    r.summaryText = "6寸 2张(光面)";
    return r;
}

class WebOrderBackEndTest : public ::testing::Test {
  protected:
    WebOrderBackEndTest() : servers_(testing::ServerAt(server_.port())) {
        context_.answer = [this](const std::string& q) {
            events_.push_back("ask");
            questions_.push_back(q);
            return yes_;
        };
    }

    OrderOutcome Submit(OrderRequest request = Request(), double uploadCount = 0) {
        request.showStatus = [this](const std::string& s) { events_.push_back("status " + s); };
        request.showPayment = [this](int i) { events_.push_back("payment " + std::to_string(i)); };
        WebOrderBackEnd backEnd(client(), servers_, uploadCount);
        return backEnd.Submit(request, context_);
    }

    WebClient& client() {
        if (!client_)
            client_ = std::make_unique<WebClient>(servers_, HttpLimits{}, HttpPoster::Default());
        return *client_;
    }

    std::vector<std::string> Bodies(const StandInServer& server) const {
        std::vector<std::string> out;
        for (const auto& r : server.Requests()) out.push_back(r.path + " " + r.body);
        return out;
    }

    StandInServer server_;
    ParamConfig servers_;
    std::unique_ptr<WebClient> client_;
    InlineJobContext context_;
    bool yes_ = true;
    std::vector<std::string> events_;
    std::vector<std::string> questions_;
};

TEST_F(WebOrderBackEndTest, AConfirmedPriceCheckStartsTheOrderAndAMemoAsksAboutDelivery) {
    server_.Answer(kCheck, GbkText(kPriced));
    server_.Answer(kStart, GbkText(kStarted));
    const OrderOutcome out = Submit(Request(), 3.456);
    EXPECT_EQ(
        std::tie(out.status, out.orderNumber, out.orderMoney, out.memberCode, out.paymentIndex),
        std::make_tuple("", "00123456", 12.5, "M01", std::optional<int>(1)));
    EXPECT_TRUE(out.placed);
    EXPECT_EQ(Bodies(server_),
              (std::vector<std::string>{
                  std::string(kCheck) + " pt=1&uc=M01&psw=pw&pl=6x4:2/&uum=3.46",
                  std::string(kStart) + " pt=1&uc=M01&psw=pw&pl=6x4:2/&localid=150307001"}));
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0],
              "请注意!:\r\n下单人:张三\r\n6寸 2张(光面)\r\n订单金额:<12.50>\r\n"
              "支付方式:银行卡支付\r\n继续请按'确定',退出下单按'取消'\r\n");

    // A memo asks about delivery.
    server_.Answer(kCheck, GbkText("status=0%ordermoney=8%username=张三%memo=周日不送货%"));
    yes_ = false;
    Submit();
    ASSERT_EQ(questions_.size(), 2u);
    EXPECT_EQ(questions_[1],
              "请注意!:\r\n下单人:张三\r\n6寸 2张(光面)\r\n订单金额:<8.00>\r\n"
              "支付方式:银行卡支付\r\n周日不送货\r\n如需送货按<取消>返回填写送货信息!\r\n"
              "继续下单请按<确定>\r\n");
}

// Once the server took the job's order, a second try (with a fresh record,
// as after a restart) completes it: from the job's record, or, when a full
// disk refused the record, by sending the same localid again.
TEST_F(WebOrderBackEndTest, ATakenOrderIsCompletedFromItsRecordOrKnownByItsLocalid) {
    server_.Answer(kCheck, GbkText(kPriced));
    server_.BookOrders(kStart, "status=0%ordermoney=12.5%orderid={orderid}%localid={localid}%");
    const struct {
        const char* localId;
        bool recordRefused;
        std::size_t retryPosts;
    } cases[] = {{"150307001", false, 0}, {"150307002", true, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.localId);
        const std::string job = std::string("/backup/2015-3-7/") + c.localId;
        testing::MemoryFileSystem disk;
        disk.dirs = {"/backup", "/backup/2015-3-7", job};
        if (c.recordRefused) disk.refused.insert(job + "/backoffice.ini");
        OrderRequest r = Request();
        r.localId = c.localId;
        r.record = std::make_shared<BackOfficeRecord>(disk, job);
        const OrderOutcome first = Submit(r);
        ASSERT_TRUE(first.placed) << first.status;
        const std::size_t posts = server_.Requests().size();
        r.record = std::make_shared<BackOfficeRecord>(disk, job);
        const OrderOutcome again = Submit(r);
        ASSERT_TRUE(again.placed) << again.status;
        EXPECT_EQ(std::tie(again.orderNumber, again.orderMoney, again.paymentIndex),
                  std::make_tuple(first.orderNumber, 12.5, first.paymentIndex));
        EXPECT_EQ(server_.Requests().size() - posts, c.retryPosts);
    }
    EXPECT_EQ(server_.Booked().size(), 2u);
}

// A price check's failure stops the order before anyone is asked; an order
// start's is told.
TEST_F(WebOrderBackEndTest, RepliesThatStopTheOrder) {
    const struct {
        const char *check, *start, *status;
    } cases[] = {
        {"status=1%", nullptr, "用户名或密码错误!"},
        {"status=2%", nullptr, "统计订单金额出错!没有提供该规格的纸型!"},
        {"status=3%ordermoney=20%memcard=5.5%", nullptr,
         "帐户金额不足!订单总额为20.00,帐户内仅有5.50\r\n点'充值'按钮充值\r\n"},
        {kPriced, "status=0%orderid=12345%localid=150307001%", "网络订单数据获取失败!"},
        {kPriced, "status=", "网络订单数据获取失败!"},
        {kPriced, "status=0%orderid=123456%localid=150307002%", "网络订单校验数据获取失败!"},
        {kPriced, "status=1%", "用户名或密码错误!"},
        {kPriced, "status=2%", "没有提供该规格的纸型!请选择其他规格纸型!"},
        {kPriced, "status=3%ordermoney=20%memcard=5.5%",
         "充值卡金额不足!订单总额为20.00充值卡内仅有5.50"},
        {kPriced, "status=7%", "创建网络订单号出错!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start ? c.start : c.check);
        const std::size_t asked = questions_.size(), posts = server_.Requests().size();
        server_.Answer(kCheck, GbkText(c.check));
        if (c.start) server_.Answer(kStart, GbkText(c.start));
        const OrderOutcome out = Submit();
        EXPECT_EQ(std::tie(out.placed, out.status), std::make_tuple(false, c.status));
        EXPECT_EQ(server_.Requests().size() - posts, c.start ? 2u : 1u);
        EXPECT_EQ(questions_.size() - asked, c.start ? 1u : 0u);
    }
}

TEST_F(WebOrderBackEndTest, AnAccountThatMustPayInFullPaysByCard) {
    server_.Answer(kCheck, GbkText("status=0%ordermoney=8%bfullmoney=1%username=张三%"));
    server_.Answer(kStart, GbkText(kStarted));
    OrderRequest r = Request();
    r.paymentIndex = 2;
    const OrderOutcome out = Submit(r);
    EXPECT_EQ(std::tie(out.placed, out.paymentIndex), std::make_tuple(true, std::optional<int>(0)));
    // The customer sees the card chosen before being asked.
    EXPECT_EQ(events_, (std::vector<std::string>{"payment 0", "ask"}));
    EXPECT_NE(questions_.at(0).find("\r\n支付方式:充值卡支付\r\n"), std::string::npos);
    EXPECT_EQ(server_.Requests().at(1).body.rfind("pt=0&", 0), 0u);
}

// Both hosts the same: no server fails after two tries, and a customer
// who says no is not asked again (which once happened).
TEST_F(WebOrderBackEndTest, OnOneHostTwiceNoServerFailsAndANoIsNotAskedAgain) {
    servers_.web2 = servers_.web;
    servers_.webport2 = servers_.webport;
    const OrderOutcome none = Submit();
    EXPECT_EQ(std::tie(none.placed, none.status), std::make_tuple(false, web::kConnectFailed));
    EXPECT_EQ(server_.Requests().size(), 2u);
    EXPECT_EQ(events_.front(), std::string("status ") + web::kConnectFailed);
    EXPECT_EQ(client().SecondHost(), 0);

    server_.Answer(kCheck, GbkText(kPriced));
    yes_ = false;
    const OrderOutcome no = Submit();
    EXPECT_EQ(std::tie(no.placed, no.status), std::make_tuple(false, LoginPrompt("127.0.0.1")));
    EXPECT_EQ(questions_.size(), 1u);
    EXPECT_EQ(server_.Requests().size(), 3u);
}

TEST_F(WebOrderBackEndTest, APriceCheckWithoutReplyIsTriedOnTheSecondHost) {
    StandInServer silent;  // answers nothing it was not told
    servers_.web = "127.0.0.1";
    servers_.webport = silent.port();
    servers_.web2 = "localhost";
    servers_.webport2 = server_.port();
    server_.Answer(kCheck, GbkText(kPriced));
    server_.Answer(kStart, GbkText(kStarted));
    const OrderOutcome out = Submit();
    EXPECT_TRUE(out.placed) << out.status;
    EXPECT_EQ(std::make_pair(silent.Requests().size(), server_.Requests().size()),
              std::make_pair(1ul, 2ul));
    EXPECT_EQ(std::make_tuple(client().CurrentHost(), client().SecondHost()),
              std::make_tuple("localhost", 1));
}

TEST_F(WebOrderBackEndTest, AnOrderStartWithoutReplyTurnsTheSecondHostFlag) {
    server_.Answer(kCheck, GbkText(kPriced));
    const OrderOutcome out = Submit();
    EXPECT_EQ(out.status, web::kConnectFailed);
    EXPECT_EQ(std::make_tuple(client().CurrentHost(), client().SecondHost()),
              std::make_tuple("127.0.0.1", 1));
}

}  // namespace
}  // namespace orelle
