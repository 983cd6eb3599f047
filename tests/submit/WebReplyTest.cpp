// The reply grammar of the order web server.
#include <gtest/gtest.h>

#include <climits>

#include "submit/WebEndpoints.h"
#include "submit/WebReply.h"

namespace orelle {
namespace {

struct FieldCase {
    const char* reply;
    const char* key;
    const char* value;
};

TEST(WebReplyTest, FieldRunsFromItsKeyToTheNextPercentSign) {
    const FieldCase cases[] = {
        {"status=0%ordermoney=12.5%orderid=123456%", "orderid", "123456"},
        {"status=0%ordermoney=12.5%", "ordermoney", "12.5"},
        {"xstatus=3%status=0%", "status", "3"},  // the first occurrence, anywhere
        {"status=0", "status", ""},              // no percent sign after it
        {"status=%", "status", ""},
        {"memo=a=b%", "memo", "a=b"},
        {"ordermoney 12%", "ordermoney", ""},
        {"", "status", ""},
    };
    for (const FieldCase& c : cases) EXPECT_EQ(GetReplyField(c.reply, c.key), c.value) << c.reply;
}

struct StatusCase {
    std::string reply;
    int status;
};

TEST(WebReplyTest, StatusReadsAsAtoiWould) {
    const StatusCase cases[] = {
        {"status=0%", 0},
        {"status=3%", 3},
        {"status=12abc%", 12},
        {"status=abc%", 0},
        {"status=0", 0},
        {"status= -1%", -1},
        {"none", 0},
        {"status=" + std::string(5000, '9') + "%", INT_MAX},
        {"status=-" + std::string(5000, '9') + "%", INT_MIN},
    };
    for (const StatusCase& c : cases)
        EXPECT_EQ(ReplyStatus(c.reply), c.status) << c.reply.substr(0, 20);
}

TEST(WebReplyTest, EndpointsGiveTheirMessagesByStatus) {
    EXPECT_STREQ(EndpointMessage(web::kStartOrder, "status=5%"), "不容许该会员取件时才付款");
    EXPECT_STREQ(EndpointMessage(web::kStartOrder, "status=4%"), "创建网络订单号出错!");
    EXPECT_STREQ(EndpointMessage(web::kStartOrder, ""), "连接失败!请确认网络及防火墙设置");
    EXPECT_STREQ(EndpointMessage(web::kStatLogin, "status=" + std::string(5000, '7') + "%"),
                 "统计订单金额出错!");
    EXPECT_EQ(EndpointMessage(web::kStatLogin, "status=0%"), nullptr);
    // Fields come in any order: a status behind others is still the reply's.
    EXPECT_STREQ(EndpointMessage(web::kStartOrder, "ordermoney=1%status=5%"),
                 "不容许该会员取件时才付款");
}

}  // namespace
}  // namespace orelle
