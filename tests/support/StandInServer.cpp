#include "support/StandInServer.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace orelle::testing {
namespace {

// A proxy named in the environment of the machine that runs the tests must
// not take the requests meant for this machine.
void KeepLoopbackOffProxies() { setenv("no_proxy", "127.0.0.1,localhost", 1); }

// The length the head's Content-Length gives, 0 without one.
std::size_t ContentLength(const std::string& head) {
    for (const char* name : {"Content-Length:", "content-length:"}) {
        const std::size_t at = head.find(name);
        if (at != std::string::npos)
            return std::strtoul(head.c_str() + at + std::strlen(name), nullptr, 10);
    }
    return 0;
}

// The value of a form field as it was sent; empty without it.
std::string FormField(const std::string& body, const std::string& name) {
    const std::string key = name + "=";
    for (std::size_t at = 0; at < body.size();) {
        const std::size_t end = std::min(body.find('&', at), body.size());
        if (body.compare(at, key.size(), key) == 0)
            return body.substr(at + key.size(), end - at - key.size());
        at = end + 1;
    }
    return {};
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

}  // namespace

StandInServer::StandInServer() : server_(std::make_unique<httplib::Server>()) {
    KeepLoopbackOffProxies();
    server_->Post(".*", [this](const httplib::Request& req, httplib::Response& res) {
        StandInReply reply;
        bool scripted = false;
        {
            std::unique_lock lock(mutex_);
            ++arrived_;
            requests_.push_back({req.path, req.body});
            auto it = scripts_.find(req.path);
            if (req.path == bookPath_) {
                const std::string localId = FormField(req.body, "localid");
                auto [order, fresh] = booked_.try_emplace(localId);
                if (fresh) order->second = std::to_string(100001 + booked_.size() - 1);
                reply.body = bookReply_;
                ReplaceAll(reply.body, "{localid}", localId);
                ReplaceAll(reply.body, "{orderid}", order->second);
                reply.delayMs = bookDelayMs_;
                scripted = true;
            } else if (it != scripts_.end()) {
                reply = it->second;
                scripted = true;
            }
            if (scripted && reply.stall) {
                release_.wait(lock, [this] { return ending_; });
                return;
            }
            if (reply.delayMs > 0) {
                release_.wait_for(lock, std::chrono::milliseconds(reply.delayMs),
                                  [this] { return ending_; });
            }
        }
        if (!scripted) {
            res.status = 404;
            return;
        }
        if (reply.chunkedBytes > 0) {
            auto left = std::make_shared<std::size_t>(reply.chunkedBytes);
            res.set_chunked_content_provider(
                "text/html", [left](std::size_t, httplib::DataSink& sink) {
                    static const std::string kChunk(64 * 1024, 'x');
                    if (*left == 0) {
                        sink.done();
                        return true;
                    }
                    const std::size_t n = std::min(*left, kChunk.size());
                    if (!sink.write(kChunk.data(), n)) return false;
                    *left -= n;
                    return true;
                });
            return;
        }
        res.set_content(reply.body, "text/html");
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) std::abort();
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // A stop before the loop runs would be lost.
    while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

StandInServer::~StandInServer() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    release_.notify_all();
    server_->stop();
    thread_.join();
}

void StandInServer::BookOrders(const std::string& path, std::string reply, int delayMs) {
    std::lock_guard lock(mutex_);
    bookPath_ = path;
    bookReply_ = std::move(reply);
    bookDelayMs_ = delayMs;
}

std::map<std::string, std::string> StandInServer::Booked() const {
    std::lock_guard lock(mutex_);
    return booked_;
}

void StandInServer::Script(const std::string& path, StandInReply reply) {
    std::lock_guard lock(mutex_);
    scripts_[path] = std::move(reply);
}

std::vector<StandInRequest> StandInServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

int StandInServer::Arrived() const {
    std::lock_guard lock(mutex_);
    return arrived_;
}

RawListener::RawListener(std::string response) : response_(std::move(response)) {
    KeepLoopbackOffProxies();
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd_, 8) != 0 ||
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        std::abort();
    }
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

RawListener::~RawListener() {
    ::shutdown(fd_, SHUT_RDWR);
    thread_.join();
    ::close(fd_);
}

void RawListener::Serve() {
    for (;;) {
        const int conn = ::accept(fd_, nullptr, nullptr);
        if (conn < 0) return;
        std::string bytes;
        char buf[4096];
        for (;;) {
            const std::size_t headEnd = bytes.find("\r\n\r\n");
            if (headEnd != std::string::npos &&
                bytes.size() >= headEnd + 4 + ContentLength(bytes.substr(0, headEnd))) {
                break;
            }
            pollfd p{conn, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0) break;
            const ssize_t n = ::recv(conn, buf, sizeof buf, 0);
            if (n <= 0) break;
            bytes.append(buf, static_cast<std::size_t>(n));
        }
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(bytes);
        }
        std::size_t sent = 0;
        while (sent < response_.size()) {
            const ssize_t n =
                ::send(conn, response_.data() + sent, response_.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) break;
            sent += static_cast<std::size_t>(n);
        }
        ::close(conn);
    }
}

std::vector<std::string> RawListener::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

}  // namespace orelle::testing
