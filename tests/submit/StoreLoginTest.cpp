// The back-office login's reply, read by substring.
#include <gtest/gtest.h>

#include "orderdata/ParamConfig.h"
#include "submit/StoreLogin.h"
#include "submit/WebClient.h"
#include "support/StandInServer.h"

namespace orelle {
namespace {

struct Case {
    const char* reply;
    StoreLoginAnswer answer;
    const char* message;
};

TEST(StoreLoginTest, RepliesAreReadBySubstring) {
    const Case cases[] = {
        {"status=0%", StoreLoginAnswer::kAccepted, nullptr},
        {"status=1%", StoreLoginAnswer::kWrongPassword, "店号密码错误"},
        {"status=0%status=1%", StoreLoginAnswer::kWrongPassword, "店号密码错误"},
        {"status=2%", StoreLoginAnswer::kUnknown, "未知的错误"},
        {"", StoreLoginAnswer::kNoNetwork, "网络不畅通，请确认!"},
        {"<br>ok<br>", StoreLoginAnswer::kNoNetwork, "网络不畅通，请确认!"},
    };
    for (const Case& c : cases) {
        const StoreLoginAnswer a = ReadStoreLoginReply(c.reply);
        EXPECT_EQ(a, c.answer) << c.reply;
        if (c.message) {
            EXPECT_STREQ(StoreLoginMessage(a), c.message);
        } else {
            EXPECT_EQ(StoreLoginMessage(a), nullptr);
        }
    }
}

TEST(StoreLoginTest, SendsTheScrambledPasswordEncoded) {
    testing::StandInServer server;
    server.Answer("/Lumora/storemanage/smlogin.asp", "status=0%");
    EXPECT_EQ(
        StoreLoginExchange(WebClient(testing::ServerAt(server.port()), {}, HttpPoster::Default()),
                           "shop1", "X=V0", {}),
        StoreLoginAnswer::kAccepted);
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].body, "storeid=shop1&storepsw=X%3DV0");
}

}  // namespace
}  // namespace orelle
