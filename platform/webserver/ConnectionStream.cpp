#include "platform/webserver/ConnectionStream.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace orelle {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kBufferBytes = 16 * 1024;

// Waits until the socket is ready for `events`, at most `wait`.
bool Ready(int sock, short events, Clock::duration wait) {
    const Clock::time_point until = Clock::now() + wait;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        pollfd p{sock, events, 0};
        const int n = ::poll(&p, 1, static_cast<int>(std::max<long long>(0, left.count())));
        if (n > 0) return true;
        if (n == 0 || errno != EINTR) return false;
    }
}

void Endpoint(int sock, bool peer, std::string& ip, int& port) {
    sockaddr_storage a{};
    socklen_t size = sizeof a;
    const int got = peer ? ::getpeername(sock, reinterpret_cast<sockaddr*>(&a), &size)
                         : ::getsockname(sock, reinterpret_cast<sockaddr*>(&a), &size);
    char text[INET6_ADDRSTRLEN] = "";
    port = -1;
    if (got == 0 && a.ss_family == AF_INET) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(&a);
        ::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
        port = ntohs(in->sin_port);
    } else if (got == 0 && a.ss_family == AF_INET6) {
        const auto* in = reinterpret_cast<const sockaddr_in6*>(&a);
        ::inet_ntop(AF_INET6, &in->sin6_addr, text, sizeof text);
        port = ntohs(in->sin6_port);
    }
    ip = text;
}

}  // namespace

std::string ClientAddress(int sock) {
    std::string ip;
    int port = 0;
    Endpoint(sock, true, ip, port);
    return ip;
}

void SendAnswer(int sock, const char* statusLine) {
    const std::string text =
        std::string(statusLine) + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    ::send(sock, text.data(), text.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

ConnectionStream::ConnectionStream(HeldConnection& connection, ClientConnections& all,
                                   StreamTimes times)
    : connection_(connection), all_(all), times_(times) {}

void ConnectionStream::RequestCame() {
    lineCame_ = requestCame_ = true;
    all_.RequestCame(connection_);
}

bool ConnectionStream::MoreThanRead() const {
    char byte;
    return at_ < buffer_.size() || ::recv(connection_.sock, &byte, 1, MSG_PEEK | MSG_DONTWAIT) > 0;
}

bool ConnectionStream::WaitReadable() const {
    if (requestCame_) return Ready(connection_.sock, POLLIN, times_.read);
    const Clock::duration left = connection_.arrived + times_.request - Clock::now();
    if (left > Clock::duration::zero() &&
        Ready(connection_.sock, POLLIN, std::min<Clock::duration>(times_.read, left)))
        return true;
    // The request's time, not the read's, is up.
    if (left <= times_.read) SendAnswer(connection_.sock, "HTTP/1.1 408 Request Timeout");
    return false;
}

bool ConnectionStream::is_readable() const { return at_ < buffer_.size() || WaitReadable(); }

bool ConnectionStream::is_writable() const {
    return Ready(connection_.sock, POLLOUT, times_.write);
}

ssize_t ConnectionStream::read(char* ptr, size_t size) {
    if (at_ == buffer_.size()) {
        if (!WaitReadable()) return -1;
        buffer_.resize(kBufferBytes);
        const ssize_t n = ::recv(connection_.sock, buffer_.data(), buffer_.size(), 0);
        buffer_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        at_ = 0;
        if (n <= 0) return n;
        if (!lineCame_ && buffer_.find('\n') != std::string::npos) {
            lineCame_ = true;
            all_.LineCame(connection_);
        }
    }
    const std::size_t n = std::min(size, buffer_.size() - at_);
    std::memcpy(ptr, buffer_.data() + at_, n);
    at_ += n;
    return static_cast<ssize_t>(n);
}

ssize_t ConnectionStream::write(const char* ptr, size_t size) {
    if (!is_writable()) return -1;
    return ::send(connection_.sock, ptr, size, MSG_NOSIGNAL);
}

void ConnectionStream::get_remote_ip_and_port(std::string& ip, int& port) const {
    Endpoint(connection_.sock, true, ip, port);
}

void ConnectionStream::get_local_ip_and_port(std::string& ip, int& port) const {
    Endpoint(connection_.sock, false, ip, port);
}

}  // namespace orelle
