// The station's HTTP server on cpp-httplib. cpp-httplib gives the thread
// pool, read and write time-outs and the payload limit; what it leaves
// open is bounded here: its waiting queue has no end (the queue below
// answers 503 past a limit), and its time-outs are per read, so a client
// sending one byte a second would hold a thread for ever (a watchdog ends
// a request whose headers take too long, the body reader a body that
// arrives too slowly). POSIX sockets; a Windows build needs Winsock's
// names for the few calls here.
#include <httplib.h>
#include <sys/socket.h>
#include <netinet/in.h>
#include <unistd.h>

#include <QHostAddress>
#include <QNetworkInterface>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/webserver/WebServer.h"

namespace orelle {
namespace {

using Clock = std::chrono::steady_clock;

thread_local socket_t tSocket = INVALID_SOCKET;

void SendRaw(socket_t sock, std::string_view text) {
    ::send(sock, text.data(), text.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

int LocalPort(socket_t sock) {
    sockaddr_storage a{};
    socklen_t size = sizeof a;
    if (::getsockname(sock, reinterpret_cast<sockaddr*>(&a), &size) != 0) return -1;
    if (a.ss_family == AF_INET) return ntohs(reinterpret_cast<sockaddr_in*>(&a)->sin_port);
    if (a.ss_family == AF_INET6) return ntohs(reinterpret_cast<sockaddr_in6*>(&a)->sin6_port);
    return -1;
}

bool HasPeer(socket_t sock) {
    sockaddr_storage a{};
    socklen_t size = sizeof a;
    return ::getpeername(sock, reinterpret_cast<sockaddr*>(&a), &size) == 0;
}

// The connections being served or waiting, each with the time by which
// its headers must have come; the watchdog ends those that miss it.
class Connections {
  public:
    explicit Connections(int port) : port_(port) {}

    // On the accepting thread, just after an accept: cpp-httplib does not
    // name the socket it hands on, so it is the one connection to our port
    // not known yet. INVALID_SOCKET when it cannot be told.
    socket_t AddNewest(Clock::time_point headersBy) {
        std::lock_guard<std::mutex> lock(mutex_);
        for (socket_t fd = 0; fd < 1024; ++fd) {
            if (open_.count(fd) || LocalPort(fd) != port_ || !HasPeer(fd)) continue;
            open_[fd] = headersBy;
            return fd;
        }
        return INVALID_SOCKET;
    }
    void HeadersCame(socket_t sock) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = open_.find(sock);
        if (it != open_.end()) it->second = Clock::time_point::max();
    }
    void Remove(socket_t sock) {
        std::lock_guard<std::mutex> lock(mutex_);
        open_.erase(sock);
    }
    // Ends the connections past their time; all of them when stopping.
    void EndLate(bool all) {
        std::lock_guard<std::mutex> lock(mutex_);
        const Clock::time_point now = Clock::now();
        for (auto& [sock, by] : open_) {
            if (!all && by > now) continue;
            if (by != Clock::time_point::max())
                SendRaw(sock,
                        "HTTP/1.1 408 Request Timeout\r\nContent-Length: 0\r\n"
                        "Connection: close\r\n\r\n");
            ::shutdown(sock, SHUT_RDWR);
            by = Clock::time_point::max();
        }
    }

  private:
    const int port_;
    std::mutex mutex_;
    std::map<socket_t, Clock::time_point> open_;
};

// A fixed number of workers and a bounded queue. A connection past the
// bound is answered 503 at once and closed on the accepting thread.
class BoundedQueue : public httplib::TaskQueue {
  public:
    BoundedQueue(Connections& connections, const WebServerLimits& limits)
        : connections_(connections),
          capacity_(static_cast<std::size_t>(limits.connections)),
          headerTime_(std::chrono::seconds(limits.headerSeconds)) {
        for (int i = 0; i < limits.threads; ++i) workers_.emplace_back([this] { Serve(); });
    }
    void enqueue(std::function<void()> fn) override {
        const socket_t sock = connections_.AddNewest(Clock::now() + headerTime_);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (queue_.size() + busy_ < capacity_ && !stopping_) {
                queue_.push_back([this, fn = std::move(fn), sock] {
                    tSocket = sock;
                    fn();
                    tSocket = INVALID_SOCKET;
                    connections_.Remove(sock);
                });
                wake_.notify_one();
                return;
            }
        }
        if (sock != INVALID_SOCKET) {
            SendRaw(sock,
                    "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n"
                    "Connection: close\r\n\r\n");
            ::shutdown(sock, SHUT_RDWR);
        }
        fn();  // reads nothing from a shut socket, and closes it
        connections_.Remove(sock);
    }
    void shutdown() override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : workers_) t.join();
        workers_.clear();
    }

  private:
    void Serve() {
        for (;;) {
            std::function<void()> fn;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
                if (queue_.empty()) return;
                fn = std::move(queue_.front());
                queue_.pop_front();
                ++busy_;
            }
            fn();
            std::lock_guard<std::mutex> lock(mutex_);
            --busy_;
        }
    }

    Connections& connections_;
    const std::size_t capacity_;
    const Clock::duration headerTime_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    std::size_t busy_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

class HttplibBody : public WebBody {
  public:
    HttplibBody(const httplib::ContentReader& reader, const WebServerLimits& limits)
        : reader_(reader), limits_(limits) {}
    bool Read(const std::function<bool(std::string_view)>& piece) override {
        const Clock::time_point start = Clock::now();
        const auto grace = std::chrono::seconds(limits_.bodyGraceSeconds);
        std::uint64_t got = 0;
        bool tooSlow = false;
        const bool whole = reader_([&](const char* data, std::size_t size) {
            got += size;
            const auto late = Clock::now() - start - grace;
            if (late.count() > 0) {
                const double seconds = std::chrono::duration<double>(late).count();
                if (static_cast<double>(got) < seconds * double(limits_.minBodyBytesPerSecond)) {
                    tooSlow = true;
                    return false;
                }
            }
            return piece(std::string_view(data, size));
        });
        return whole && !tooSlow;
    }

  private:
    const httplib::ContentReader& reader_;
    const WebServerLimits& limits_;
};

WebRequest RequestOf(const httplib::Request& req) {
    WebRequest r;
    r.path = req.path;
    for (const auto& [key, value] : req.params) r.params.emplace(key, value);
    if (req.has_header("Content-Length")) {
        r.length = static_cast<std::uint64_t>(
            std::strtoull(req.get_header_value("Content-Length").c_str(), nullptr, 10));
    }
    return r;
}

void Answer(const WebAnswer& a, httplib::Response& res) {
    if (a.hangUp && tSocket != INVALID_SOCKET) ::shutdown(tSocket, SHUT_RDWR);
    res.status = a.status;
    if (!a.body.empty()) res.set_content(a.body, a.type.c_str());
}

class HttplibWebServer : public WebServer {
  public:
    ~HttplibWebServer() override { Stop(); }

    bool Start(const std::string& address, int port, WebService& service,
               const WebServerLimits& limits, int* boundPort) override {
        Stop();
        limits_ = limits;
        server_ = std::make_unique<httplib::Server>();
        httplib::Server& s = *server_;
        s.set_keep_alive_max_count(1);
        s.set_read_timeout(limits.readSeconds, 0);
        s.set_write_timeout(limits.writeSeconds, 0);
        s.set_payload_max_length(static_cast<std::size_t>(limits.maxBodyBytes));
        const int bound = port == 0 ? s.bind_to_any_port(address)
                                    : (s.bind_to_port(address, port) ? port : -1);
        if (bound <= 0) {
            server_.reset();
            return false;
        }
        connections_ = std::make_unique<Connections>(bound);
        Connections& connections = *connections_;
        const WebServerLimits& held = limits_;
        s.new_task_queue = [&connections, &held] { return new BoundedQueue(connections, held); };
        s.set_pre_routing_handler([&connections](const httplib::Request&, httplib::Response&) {
            connections.HeadersCame(tSocket);
            return httplib::Server::HandlerResponse::Unhandled;
        });
        s.Get(".*", [&service](const httplib::Request& req, httplib::Response& res) {
            Answer(service.Get(RequestOf(req)), res);
        });
        s.Post(".*", [&service, &held](const httplib::Request& req, httplib::Response& res,
                                       const httplib::ContentReader& reader) {
            HttplibBody body(reader, held);
            Answer(service.Post(RequestOf(req), body), res);
        });
        if (boundPort) *boundPort = bound;
        listener_ = std::thread([&s] { s.listen_after_bind(); });
        running_ = true;
        watchdog_ = std::thread([this] {
            std::unique_lock<std::mutex> lock(watchMutex_);
            while (running_) {
                watchWake_.wait_for(lock, std::chrono::milliseconds(200));
                connections_->EndLate(false);
            }
        });
        return true;
    }

    void Stop() override {
        if (!server_) return;
        connections_->EndLate(true);
        server_->stop();
        if (listener_.joinable()) listener_.join();
        {
            std::lock_guard<std::mutex> lock(watchMutex_);
            running_ = false;
        }
        watchWake_.notify_all();
        if (watchdog_.joinable()) watchdog_.join();
        server_.reset();
        connections_.reset();
    }

  private:
    WebServerLimits limits_;
    std::unique_ptr<Connections> connections_;
    std::unique_ptr<httplib::Server> server_;
    std::thread listener_;
    std::thread watchdog_;
    std::mutex watchMutex_;
    std::condition_variable watchWake_;
    bool running_ = false;
};

}  // namespace

WebServer& WebServer::Default() {
    static HttplibWebServer server;
    return server;
}

std::string FirstLocalIpv4() {
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            return a.toString().toStdString();
    }
    return {};
}

}  // namespace orelle
