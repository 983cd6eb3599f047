// Route members from the tests' real PostgreSQL server, and a member's
// password from a real stand-in back office.
#include "stores/RouteMembers.h"

#include <gtest/gtest.h>
#include "platform/db/OdbcDatabase.h"

#include "submit/OrderDatabase.h"
#include "submit/WebClient.h"
#include "support/StandInServer.h"
#include "support/TestDatabase.h"

namespace orelle {
namespace {

using testing::TestDatabase;

TEST(RouteMembersTest, RoutesAndTheirMembersInRouteOrderWhateverTheRouteIsCalled) {
    REQUIRE_TEST_DATABASE();
    TestDatabase server;
    server.Run(
        "insert into DB_user(username,userrole) values('东线','业务送片'),('O''Hara路','业务送片'),"
        "('经理','管理')");
    server.Run(
        "insert into DB_member(code,name) values('C1','甲'),('C2','乙'),('C3','丙'),('C4','丁')");
    server.Run(
        "insert into DB_line(code,linename,sortid) values('C2','O''Hara路',2),('C1','O''Hara路',"
        "1),('C3','东线',1),('C9','O''Hara路',0)");
    OdbcConnector connector;
    OrderDatabase db(connector, {});
    ASSERT_TRUE(db.OpenDatabase(server.Settings()));
    EXPECT_EQ(RouteNames(db), (std::vector<std::string>{"东线", "O'Hara路"}));
    const auto members = RouteMembersOf(db, "O'Hara路");
    ASSERT_EQ(members.size(), 2u);  // C9 is no member
    EXPECT_EQ(std::tie(members[0].code, members[0].name, members[1].code),
              std::make_tuple("C1", "甲", "C2"));
    EXPECT_TRUE(RouteMembersOf(db, "西线").empty());
}

TEST(RouteMembersTest, APasswordOnlyFromAPlainAcceptingReply) {
    testing::StandInServer server;
    WebClient client(testing::ServerAt(server.port()), {}, HttpPoster::Default());
    const BackOfficeLogin login{"S01", "scrambled", true};
    struct Case {
        std::string reply;
        BackOfficeAnswer answer;
        std::string password;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {"status=0%password=abc%", BackOfficeAnswer::kAccepted, "abc", nullptr},
             {"status=1%status=0%password=abc%", BackOfficeAnswer::kWrongPassword, "", "查询出错"},
             {"status=7%", BackOfficeAnswer::kUnknown, "", "未知的错误"},
             {"", BackOfficeAnswer::kNoNetwork, "", "网络不畅通，请确认!"},
         }) {
        server.Answer("/Lumora/storemanage/onemember.asp", c.reply);
        const RouteMemberPassword found = LookUpRouteMember(client, login, "C1");
        EXPECT_EQ(found.answer, c.answer) << c.reply;
        EXPECT_EQ(found.password, c.password) << c.reply;
        const char* message = RouteMemberMessage(found.answer);
        EXPECT_EQ(message ? std::string(message) : "", c.message ? c.message : "") << c.reply;
    }
    const auto sent = server.Requests();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().body, "storeid=S01&storepsw=scrambled&code=C1");
}

}  // namespace
}  // namespace orelle
