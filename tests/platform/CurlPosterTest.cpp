// The HTTP door against a real server on 127.0.0.1: replies as they come,
// every failure and every hostile reply as an empty one, in bounded time.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <tuple>

#include "platform/http/HttpPoster.h"
#include "support/StandInServer.h"

namespace orelle {
namespace {

using testing::RawListener;
using testing::StandInReply;
using testing::StandInServer;
using Clock = std::chrono::steady_clock;

HttpPost PostTo(int port, std::string path = "/p") {
    HttpPost post;
    post.host = "127.0.0.1";
    post.port = port;
    post.path = std::move(path);
    post.contentType = "application/x-www-form-urlencoded";
    post.body = "pt=0";
    post.agent = "Lumora";
    return post;
}

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TEST(CurlPosterTest, ReturnsTheReplyBytesAsTheyCameUpToTheLimit) {
    StandInServer server;
    const std::string bytes = std::string("status=0%\0\xFF\xFE", 12) + "tail";
    server.Answer("/p", bytes);
    server.Answer("/limit", std::string(1000, 'a'));
    EXPECT_EQ(CurlPoster().Post(PostTo(server.port()), {}), bytes);
    HttpPost post = PostTo(server.port(), "/limit");
    post.limits.maxReplyBytes = 1000;
    EXPECT_EQ(CurlPoster().Post(post, {}).size(), 1000u);
}

// Each of these is no reply, whatever the server sent, in bounded time.
TEST(CurlPosterTest, HostileRepliesAreNoReply) {
    // What the server sends, and the reply limit.
    const std::tuple<const char*, StandInReply, std::size_t> cases[] = {
        {"one byte over the limit", {std::string(1001, 'a')}, 1000},
        {"a hundred megabytes chunked", {"", 0, false, 100u << 20}, HttpLimits::kMaxReplyBytes},
        {"stalled", {"", 0, true, 0}, HttpLimits::kMaxReplyBytes}};
    for (const auto& [name, reply, limit] : cases) {
        SCOPED_TRACE(name);
        StandInServer server;
        server.Script("/p", reply);
        HttpPost post = PostTo(server.port());
        post.limits.maxReplyBytes = limit;
        post.limits.totalTimeoutMs = 2000;
        const auto start = Clock::now();
        EXPECT_EQ(CurlPoster().Post(post, {}), "");
        EXPECT_LT(MsSince(start), 5000);
    }
}

// An unknown path, a refused connection and a cut reply.
TEST(CurlPosterTest, NoWholeAnswerIsNoReply) {
    int port = 0;
    {
        StandInServer gone;
        port = gone.port();
    }
    EXPECT_EQ(CurlPoster().Post(PostTo(port), {}), "");
    StandInServer server;
    EXPECT_EQ(CurlPoster().Post(PostTo(server.port(), "/none"), {}), "");
    RawListener cut("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nstatus=0%");
    EXPECT_EQ(CurlPoster().Post(PostTo(cut.port()), {}), "");
}

TEST(CurlPosterTest, AStopEndsAStalledExchangeAtOnce) {
    StandInServer server;
    server.Script("/p", {"", 0, true, 0});
    std::atomic<bool> stop{false};
    const auto start = Clock::now();
    std::thread stopper([&] {
        while (server.Arrived() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        stop = true;
    });
    EXPECT_EQ(CurlPoster().Post(PostTo(server.port()), [&] { return stop.load(); }), "");
    stopper.join();
    EXPECT_LT(MsSince(start), 1000);
}

TEST(CurlPosterTest, ANamedOrTheSystemsProxyGetsTheWholeAddress) {
    RawListener proxy("HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nstatus=0%");
    HttpPost post = PostTo(1, "/Lumora/manage/notify.asp");
    post.host = "order.example";
    post.port = 81;
    post.useProxy = true;
    post.proxy = "127.0.0.1:" + std::to_string(proxy.port());
    EXPECT_EQ(CurlPoster().Post(post, {}), "status=0%");
    ASSERT_EQ(proxy.Requests().size(), 1u);
    EXPECT_EQ(proxy.Requests()[0].rfind(
                  "POST http://order.example:81/Lumora/manage/notify.asp HTTP/1.1\r\n", 0),
              0u);
    // Without a named proxy the system's is used.
    RawListener systemProxy("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
    const std::string address = "http://127.0.0.1:" + std::to_string(systemProxy.port());
    setenv("http_proxy", address.c_str(), 1);
    post = PostTo(1);
    post.host = "order.example";
    const std::string reply = CurlPoster().Post(post, {});
    unsetenv("http_proxy");
    EXPECT_EQ(reply, "ok");
    ASSERT_EQ(systemProxy.Requests().size(), 1u);
    EXPECT_EQ(systemProxy.Requests()[0].rfind("POST http://order.example:1/p HTTP/1.1\r\n", 0), 0u);
}

}  // namespace
}  // namespace orelle
