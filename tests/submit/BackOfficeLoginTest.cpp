// The back-office login's reply, read by substring.
#include <gtest/gtest.h>

#include "submit/BackOfficeLogin.h"
#include "submit/WebClient.h"
#include "support/StandInServer.h"

namespace orelle {
namespace {

std::string Message(const char* message) { return message ? message : "(none)"; }

struct Case {
    const char* reply;
    BackOfficeAnswer answer;
    const char* message;
};

TEST(BackOfficeLoginTest, RepliesAreReadBySubstring) {
    const Case cases[] = {
        {"status=0%", BackOfficeAnswer::kAccepted, nullptr},
        {"status=1%", BackOfficeAnswer::kWrongPassword, "店号密码错误"},
        {"status=0%status=1%", BackOfficeAnswer::kWrongPassword, "店号密码错误"},
        {"store=S01%status=0%", BackOfficeAnswer::kAccepted, nullptr},
        {"status=2%", BackOfficeAnswer::kUnknown, "未知的错误"},
        {"", BackOfficeAnswer::kNoNetwork, "网络不畅通，请确认!"},
        {"<br>ok<br>", BackOfficeAnswer::kNoNetwork, "网络不畅通，请确认!"},
    };
    for (const Case& c : cases) {
        const BackOfficeAnswer a = ReadBackOfficeReply(c.reply);
        EXPECT_EQ(a, c.answer) << c.reply;
        EXPECT_EQ(Message(BackOfficeLoginMessage(a)), Message(c.message)) << c.reply;
    }
}

TEST(BackOfficeLoginTest, SendsTheScrambledPasswordEncoded) {
    testing::StandInServer server;
    server.Answer("/Lumora/storemanage/smlogin.asp", "status=0%");
    EXPECT_EQ(BackOfficeLoginExchange(
                  WebClient(testing::ServerAt(server.port()), {}, HttpPoster::Default()), "shop1",
                  "X=V0", {}),
              BackOfficeAnswer::kAccepted);
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].body, "storeid=shop1&storepsw=X%3DV0");
}

}  // namespace
}  // namespace orelle
