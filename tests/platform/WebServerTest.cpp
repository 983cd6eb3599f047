// The station's web server with the phone session behind it, on 127.0.0.1,
// against clients that misbehave: each gets a defined answer in bounded
// time, and nothing is stored.
#include "platform/webserver/WebServer.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "phone/PhoneSession.h"
#include "platform/files/FileSystem.h"
#include "support/FakeDisks.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace orelle {
namespace {

using Clock = std::chrono::steady_clock;

int Connect(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
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
    std::string answer = ReadAll(fd);
    ::close(fd);
    return answer;
}

int Status(const std::string& answer) {
    return answer.size() > 12 ? std::atoi(answer.c_str() + 9) : 0;
}

struct WebServerTest : ::testing::Test {
    testing::TempFolder temp;
    testing::FakeDisks disks{50000};
    PhoneSession session{temp / "phone", temp.path(), FileSystem::Default(), disks};
    WebServer& server = WebServer::Default();
    WebServerLimits limits;
    int port = 0;

    void SetUp() override {
        limits.headerSeconds = 1;
        limits.readSeconds = 2;
        limits.bodyGraceSeconds = 1;
        limits.maxBodyBytes = std::uint64_t{50} << 20;
        ASSERT_TRUE(session.Open());
        ASSERT_TRUE(server.Start("127.0.0.1", 0, session, limits, &port));
    }
    void TearDown() override { server.Stop(); }
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

TEST_F(WebServerTest, AHundredConnectionsAtOnceAreAllAnswered) {
    std::vector<int> fds;
    for (int i = 0; i < 100; ++i) fds.push_back(Connect(port));
    const auto start = Clock::now();
    int answered = 0;
    for (int fd : fds) {
        const int status = Status(ReadAll(fd));
        if (status == 503 || status == 408) ++answered;
        ::close(fd);
    }
    EXPECT_EQ(answered, 100);
    // cpp-httplib listens with a backlog of 5: the kernel makes the rest
    // of the crowd send their handshake again, a few seconds later.
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(40));
    // And the server goes on serving the page.
    const auto page = httplib::Client("127.0.0.1", port).Get(Path(""));
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("已上传"), std::string::npos);
}

}  // namespace
}  // namespace orelle
