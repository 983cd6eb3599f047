// The script format of orelle-order-server.
#include <gtest/gtest.h>

#include "OrderServerScript.h"

namespace orelle {
namespace {

TEST(OrderServerScriptTest, BlocksGiveEachPathItsReply) {
    const auto replies = ParseServerScript(
        "comment\r\n"
        "@post /Lumora/manage/notify.asp\r\n"
        "line one\r\n"
        "line two\n"
        "@post /Lumora/client/albumlogin.asp\n"
        "@delay 250\n"
        "status=0%orderid=123456%\n"
        "@post /Lumora/manage/notify.asp\n"
        "second\n"
        "@post /empty\n");
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies.at("/Lumora/manage/notify.asp").body, "line one\r\nline two");
    EXPECT_EQ(replies.at("/Lumora/manage/notify.asp").delayMs, 0);
    EXPECT_EQ(replies.at("/Lumora/client/albumlogin.asp").body, "status=0%orderid=123456%");
    EXPECT_EQ(replies.at("/Lumora/client/albumlogin.asp").delayMs, 250);
    EXPECT_EQ(replies.at("/empty").body, "");
    EXPECT_TRUE(ParseServerScript("just text\n").empty());
}

TEST(OrderServerScriptTest, TheOrderStartNamesTheRequestsLocalId) {
    const struct {
        const char* reply;
        const char* body;
        const char* filled;
    } cases[] = {
        {"orderid=1%localid={localid}%", "pt=0&uc=M&localid=261207001",
         "orderid=1%localid=261207001%"},
        {"{localid}{localid}", "xlocalid=9&localid=12", "1212"},
        {"localid={localid}%", "pt=0&pl=a:1/", "localid=%"},
        {"no placeholder", "localid=5", "no placeholder"},
        {"{localid", "localid=5", "{localid"},
    };
    for (const auto& c : cases) EXPECT_EQ(FillReply(c.reply, c.body), c.filled) << c.reply;
}

TEST(OrderServerScriptTest, TheSerialIsANewNumberThatNamesTheDay) {
    EXPECT_EQ(SerialNumber(2026, 12, 8, 1), "202612080001");
    EXPECT_EQ(SerialNumber(2026, 1, 2, 10001), "202601020001");
    EXPECT_EQ(FillReply("orderid={serial}%localid={localid}%", "localid=7", "202612080002"),
              "orderid=202612080002%localid=7%");
}

}  // namespace
}  // namespace orelle
