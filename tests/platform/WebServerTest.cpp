// The station's web server with the phone session behind it, on 127.0.0.1,
// against clients that misbehave: each gets a defined answer in bounded
// time, and nothing is stored.
#include "platform/webserver/WebServer.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <semaphore>
#include <thread>

#include "phone/PhoneSession.h"
#include "platform/files/FileSystem.h"
#include "support/FakeDisks.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using Clock = std::chrono::steady_clock;

// From `from`, any address of the loopback net: each stands for a client.
int Connect(int port, const char* from = "127.0.0.1") {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    ::inet_pton(AF_INET, from, &addr.sin_addr);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<uint16_t>(port));
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    timeval tv{10, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    return fd;
}

// Everything the server says until it closes (or 10 s of silence).
std::string ReadAll(int fd) {
    std::string got;
    char buffer[4096];
    for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;) got.append(buffer, size_t(n));
    return got;
}

// Sends the text at once; what the server said.
std::string Exchange(int fd, const std::string& text) {
    ::send(fd, text.data(), text.size(), MSG_NOSIGNAL);
    std::string answer = ReadAll(fd);
    ::close(fd);
    return answer;
}

// Sends the text in pieces with a pause between them, stopping when the
// server has closed; then reads what it said.
std::string Trickle(int port, const std::string& text, std::size_t piece,
                    std::chrono::milliseconds pause) {
    const int fd = Connect(port);
    for (std::size_t at = 0; at < text.size(); at += piece) {
        if (::send(fd, text.data() + at, std::min(piece, text.size() - at), MSG_NOSIGNAL) <= 0)
            break;
        std::this_thread::sleep_for(pause);
    }
    return Exchange(fd, "");
}

int Status(const std::string& answer) {
    return answer.size() > 12 ? std::atoi(answer.c_str() + 9) : 0;
}

// Holds each GET until let go, and tells of each one it holds.
struct HeldService : WebService {
    std::counting_semaphore<> entered{0}, letGo{0};
    WebAnswer Get(const WebRequest&) override {
        entered.release();
        letGo.acquire();
        return {200, "text/plain", "ok"};
    }
    WebAnswer Post(const WebRequest&, WebBody&) override { return {}; }
};

struct WebServerTest : ::testing::Test {
    testing::TempFolder temp;
    testing::FakeDisks disks{50000};
    PhoneSession session{temp / "phone", temp.path(), FileSystem::Default(), disks};
    WebServer& server = WebServer::Default();
    WebServerLimits limits;
    int port = 0;
    HeldService held;

    void SetUp() override {
        limits.headerSeconds = 1;
        limits.readSeconds = 2;
        limits.bodyGraceSeconds = 1;
        limits.maxBodyBytes = std::uint64_t{50} << 20;
        ASSERT_TRUE(session.Open());
        ASSERT_TRUE(server.Start("127.0.0.1", 0, session, limits, &port));
    }
    void TearDown() override {
        held.letGo.release(100);
        server.Stop();
    }
    void Serve(WebService& service) {
        server.Stop();
        ASSERT_TRUE(server.Start("127.0.0.1", 0, service, limits, &port));
    }
    std::string Path(const std::string& tail) { return session.PagePath() + tail; }
    bool NothingStored() {
        return session.Count() == 0 && std::filesystem::is_empty(temp / "phone");
    }
};

TEST_F(WebServerTest, APhotoOverTheLimitIsRefusedAtOnce) {
    const std::string request = "POST /" + session.Token() +
                                "/photo?name=big.jpg HTTP/1.1\r\nHost: x\r\n"
                                "Content-Length: 53477376\r\n\r\n";  // 51 MB
    const auto start = Clock::now();
    const std::string answer = Trickle(port, request, request.size(), {});
    EXPECT_EQ(Status(answer), 413) << answer;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
    EXPECT_TRUE(NothingStored());
}

TEST_F(WebServerTest, ASlowClientIsCutOffInBoundedTime) {
    const std::string t = session.Token();
    const std::string jpeg = testing::JpegBytes(64, 48);
    const std::string head = "GET /" + t + "/ HTTP/1.1\r\nHost: x\r\n\r\n";
    const std::string post = "POST /" + t + "/photo?name=s.jpg HTTP/1.1\r\nHost: x\r\n" +
                             "Content-Length: " + std::to_string(jpeg.size()) + "\r\n\r\n";
    auto start = Clock::now();
    // The headers a byte at a time: a 408 when their time is up.
    EXPECT_EQ(Status(Trickle(port, head, 1, std::chrono::milliseconds(250))), 408);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(4));
    // Headers at once, then the body a byte at a time.
    start = Clock::now();
    const int fd = Connect(port);
    ::send(fd, post.data(), post.size(), MSG_NOSIGNAL);
    for (std::size_t i = 0; i < 20 && ::send(fd, jpeg.data() + i, 1, MSG_NOSIGNAL) > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    const std::string answer = ReadAll(fd);
    ::close(fd);
    EXPECT_NE(Status(answer), 200) << answer;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(8));
    EXPECT_TRUE(NothingStored());
}

TEST_F(WebServerTest, ABodyIsTakenOnlyAsPlainBytesOfTheOneLengthItTells) {
    const std::string jpeg = testing::JpegBytes(64, 48);
    const std::string post = "POST " + Path("photo?name=a.jpg") + " HTTP/1.1\r\nHost: x\r\n";
    const std::string length = "Content-Length: " + std::to_string(jpeg.size()) + "\r\n";
    const std::string form = "Content-Type: multipart/form-data; boundary=b\r\n";
    const std::string multipart = Exchange(Connect(port), post + form + length + "\r\n" + jpeg);
    EXPECT_EQ(Status(multipart), 415) << multipart;
    EXPECT_EQ(Status(Exchange(Connect(port), post + length + length + "\r\n" + jpeg)), 400);
    EXPECT_EQ(Status(Exchange(Connect(port), post + length + "\r\n" + jpeg + "tail")), 400);
    EXPECT_TRUE(NothingStored());
    EXPECT_EQ(Status(Exchange(Connect(port), post + length + "\r\n" + jpeg)), 200);
}

TEST_F(WebServerTest, AFailureInServingIsAnswered500WithoutItsText) {
    struct Failing : WebService {
        WebAnswer Get(const WebRequest&) override { throw std::runtime_error("secret"); }
        WebAnswer Post(const WebRequest&, WebBody&) override { return {}; }
    } failing;
    Serve(failing);
    const std::string answer = Exchange(Connect(port), "GET / HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(Status(answer), 500);
    EXPECT_EQ(answer.find("secret"), std::string::npos) << answer;
}

TEST_F(WebServerTest, ThePortIsKnownAsTheStationsFromAnothersAndAsFree) {
    EXPECT_EQ(WhoHoldsPort("127.0.0.1", port), PortHolder::kStation);
    // Another program: listens on a port of its own and never answers.
    const int other = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof addr;
    ASSERT_EQ(::bind(other, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::listen(other, 4);
    ::getsockname(other, reinterpret_cast<sockaddr*>(&addr), &size);
    const int otherPort = ntohs(addr.sin_port);
    EXPECT_EQ(WhoHoldsPort("127.0.0.1", otherPort), PortHolder::kOther);
    ::close(other);
    EXPECT_EQ(WhoHoldsPort("127.0.0.1", otherPort), PortHolder::kNobody);
}

TEST_F(WebServerTest, ConnectionsWithoutARequestMakeRoomForOnesWithIt) {
    limits.headerSeconds = 600;  // here only pushed out, never timed out
    Serve(held);
    const std::string get = "GET / HTTP/1.1\r\nHost: x\r\n\r\n";
    std::vector<int> idle;  // four from each of four clients fill the server
    for (int i = 0; i < 16; ++i)
        idle.push_back(Connect(port, ("127.0.0." + std::to_string(2 + i / 4)).c_str()));
    // A fifth from one client pushes out that client's oldest.
    idle.push_back(Connect(port, "127.0.0.2"));
    EXPECT_EQ(Status(ReadAll(idle[0])), 408);
    // Another client's request pushes out the oldest of all.
    const int customer = Connect(port);
    ::send(customer, get.data(), get.size(), MSG_NOSIGNAL);
    EXPECT_EQ(Status(ReadAll(idle[1])), 408);
    // Requests that came are never pushed out: a client's fifth is refused.
    std::vector<int> busy;
    for (int i = 0; i < 4; ++i) {
        busy.push_back(Connect(port, "127.0.0.6"));
        ::send(busy.back(), get.data(), get.size(), MSG_NOSIGNAL);
    }
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(held.entered.try_acquire_for(std::chrono::minutes(1)));
    EXPECT_EQ(Status(Exchange(Connect(port, "127.0.0.6"), get)), 503);
    held.letGo.release(5);
    EXPECT_EQ(Status(Exchange(customer, "")), 200);
    for (int fd : busy) EXPECT_EQ(Status(Exchange(fd, "")), 200);
    for (int fd : idle) ::close(fd);
}

}  // namespace
}  // namespace orelle
