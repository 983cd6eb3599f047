// What the order web server receives from the client, byte for byte, and
// the switch between its two hosts.
#include <gtest/gtest.h>

#include "orderdata/ParamConfig.h"
#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"
#include "support/StandInServer.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;
using testing::RawListener;

std::string Ok(std::string_view body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
           std::string(body);
}

// A host with a path or user gets no request.
TEST(WebClientTest, SendsTheFormAsTheServerExpectsItAndOnlyToAPlainHost) {
    RawListener server(Ok("status=0%"));
    for (const char* host : {"127.0.0.1/x?", "u@127.0.0.1"}) {
        ParamConfig c = testing::ServerAt(server.port());
        c.web = host;
        WebClient bad(c, {}, HttpPoster::Default());
        EXPECT_EQ(bad.PostForm(web::kAlbumLogin.path, "uc=a"), "") << host;
    }
    EXPECT_TRUE(server.Requests().empty());
    WebClient client(testing::ServerAt(server.port()), {}, HttpPoster::Default());
    const std::string body = EndpointBody(web::kAlbumLogin, {"张三&pt=9", "a=b%c+d\x01"});
    EXPECT_EQ(client.PostForm(web::kAlbumLogin.path, body), "status=0%");

    const std::string sent = GbkText("uc=张三%26pt%3D9&psw=a%3Db%25c%2Bd%01");
    const std::string expected =
        "POST /Lumora/client/albumlogin.asp HTTP/1.1\r\n"
        "Host: 127.0.0.1:" +
        std::to_string(server.port()) +
        "\r\n"
        "User-Agent: Lumora\r\n"
        "Content-Type:application/x-www-form-urlencoded\r\n"
        "Content-Length: " +
        std::to_string(sent.size()) +
        "\r\n"
        "\r\n" +
        sent;
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0], expected);
}

// Invalid GBK reads as question marks.
TEST(WebClientTest, RepliesAreReadAsGbkUpToTheirFirstZero) {
    RawListener server(Ok(GbkText("status=0%memo=请取件%") + std::string("\0status=1%", 10)));
    WebClient client(testing::ServerAt(server.port()), {}, HttpPoster::Default());
    EXPECT_EQ(client.PostForm("/x", "pt=0"), "status=0%memo=请取件%");
    RawListener invalid(Ok("status=\xFF\xFF%"));
    WebClient other(testing::ServerAt(invalid.port()), {}, HttpPoster::Default());
    const std::string reply = other.PostForm("/x", "pt=0");
    EXPECT_EQ(reply.rfind("status=", 0), 0u);
    EXPECT_EQ(reply.find('\xFF'), std::string::npos);
}

TEST(WebClientTest, FailoverAlternatesBetweenTheHosts) {
    ParamConfig c;
    c.web = "one";
    c.webport = 81;
    c.web2 = "two";
    c.webport2 = 82;
    WebClient client(c, {}, HttpPoster::Default());
    const struct {
        bool giveUp;
        const char* host;
        int port, flag;
    } steps[] = {{false, "two", 82, 1}, {true, "one", 81, 0}, {false, "two", 82, 1}};
    for (const auto& s : steps) {
        EXPECT_EQ(client.ServerFailover() == WebClient::Failover::kGaveUp, s.giveUp);
        EXPECT_EQ(std::make_tuple(client.CurrentHost(), client.CurrentPort(), client.SecondHost()),
                  std::make_tuple(s.host, s.port, s.flag));
    }
    client.Reset();
    EXPECT_EQ(std::make_tuple(client.CurrentHost(), client.SecondHost()),
              std::make_tuple("one", 0));

    // With both hosts the same, the first failure gives up.
    c.web2 = c.web;
    WebClient same(c, {}, HttpPoster::Default());
    EXPECT_EQ(same.ServerFailover(), WebClient::Failover::kGaveUp);
    EXPECT_EQ(same.CurrentHost(), "one");
}

}  // namespace
}  // namespace orelle
