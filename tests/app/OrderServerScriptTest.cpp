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
}

TEST(OrderServerScriptTest, NoBlocksNoReplies) {
    EXPECT_TRUE(ParseServerScript("just text\n").empty());
}

}  // namespace
}  // namespace orelle
