// The station's HTTP server on cpp-httplib. cpp-httplib parses requests,
// routes them and gives the payload limit; the rest is bounded here: the
// connections are held and bounded per client (ClientConnections), each
// served on a thread of its own through a stream that bounds the time of
// a whole request (ConnectionStream); a body must keep arriving at a
// rate, be sent as plain bytes and be exactly as long as it says. An
// exception in serving is answered 500 without its text. POSIX sockets;
// a Windows build needs Winsock's names for the few calls here.
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QHostAddress>
#include <QNetworkInterface>
#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/webserver/ClientConnections.h"
#include "platform/webserver/ConnectionStream.h"
#include "platform/webserver/WebServer.h"

namespace orelle {
namespace {

using Clock = std::chrono::steady_clock;

// Every answer names the station, so that the set-up check can tell the
// station's own use of its port from another program's.
constexpr const char* kServerName = "Orelle";

// The stream serving this thread's connection.
thread_local ConnectionStream* tStream = nullptr;

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
        // More than the length said: the length lied, the body is not whole.
        return whole && !tooSlow && !(tStream && tStream->MoreThanRead());
    }

  private:
    const httplib::ContentReader& reader_;
    const WebServerLimits& limits_;
};

std::string MediaType(const std::string& type) {
    std::string media = type.substr(0, type.find(';'));
    media.erase(media.find_last_not_of(" \t") + 1);
    std::transform(media.begin(), media.end(), media.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return media;
}

// 400 for a body whose length is not told once and plainly; 415 for a
// body not sent as plain bytes, the one way bodies are read here; 0 when
// the request is framed soundly.
int FramingFault(const httplib::Request& req) {
    const std::size_t lengths = req.get_header_value_count("Content-Length");
    const std::string length = req.get_header_value("Content-Length");
    const bool chunked = req.has_header("Transfer-Encoding");
    if (lengths > 1 || (lengths == 1 && chunked) ||
        (lengths == 1 &&
         (length.empty() || length.find_first_not_of("0123456789") != std::string::npos)))
        return 400;
    const bool body =
        chunked || (lengths == 1 && length.find_first_not_of('0') != std::string::npos);
    const std::string type = req.get_header_value("Content-Type");
    if (body && !type.empty() && MediaType(type) != "application/octet-stream") return 415;
    return 0;
}

WebRequest RequestOf(const httplib::Request& req) {
    WebRequest r;
    r.path = req.path;
    for (const auto& [key, value] : req.params) r.params.emplace(key, value);
    r.language = req.get_header_value("Accept-Language");
    if (req.has_header("Content-Length")) {
        r.length = static_cast<std::uint64_t>(
            std::strtoull(req.get_header_value("Content-Length").c_str(), nullptr, 10));
    }
    return r;
}

void Answer(const WebAnswer& a, httplib::Response& res) {
    if (a.hangUp && tStream) ::shutdown(tStream->socket(), SHUT_RDWR);
    res.status = a.status;
    if (!a.body.empty()) res.set_content(a.body, a.type.c_str());
}

// Runs each accepted connection's task at once, on the accepting thread:
// the server below decides there whether to hold it.
class AtOnce : public httplib::TaskQueue {
  public:
    void enqueue(std::function<void()> fn) override { fn(); }
    void shutdown() override {}
};

// cpp-httplib's server with the connections held by our own bookkeeping.
class StationServer : public httplib::Server {
  public:
    explicit StationServer(const WebServerLimits& limits)
        : limits_(limits),
          held_(limits.connections, limits.connectionsPerClient,
                [](const HeldConnection& c) {
                    if (!c.requestCame) SendAnswer(c.sock, "HTTP/1.1 408 Request Timeout");
                    ::shutdown(c.sock, SHUT_RDWR);
                }),
          workers_(static_cast<std::size_t>(limits.connections)) {
        new_task_queue = [] { return new AtOnce; };
    }
    // After the listening has ended: ends every connection and waits for
    // their threads.
    ~StationServer() override {
        held_.EndAll();
        workers_.shutdown();
    }

    // cpp-httplib listens with a backlog of 5: a crowd of connections
    // would make a phone's wait for its handshake again, seconds later.
    void WidenBacklog() { ::listen(svr_sock_, SOMAXCONN); }

    // Ends the listening, also when it has not begun yet (where the
    // library's stop() would do nothing and the listener would go on).
    void StopListening() {
        const socket_t sock = svr_sock_.exchange(INVALID_SOCKET);
        if (sock == INVALID_SOCKET) return;
        ::shutdown(sock, SHUT_RDWR);
        ::close(sock);
    }

  private:
    bool process_and_close_socket(socket_t sock) override {
        HeldConnection* c = held_.Admit(sock, ClientAddress(sock));
        if (!c) {
            SendAnswer(sock, "HTTP/1.1 503 Service Unavailable");
            ::close(sock);
            return false;
        }
        workers_.enqueue([this, c] { Serve(*c); });
        return true;
    }

    void Serve(HeldConnection& c) {
        ConnectionStream stream(
            c, held_,
            {std::chrono::seconds(limits_.headerSeconds), std::chrono::seconds(limits_.readSeconds),
             std::chrono::seconds(limits_.writeSeconds)});
        tStream = &stream;
        bool closed = false;
        process_request(stream, true, closed,
                        [&stream](httplib::Request&) { stream.RequestCame(); });
        tStream = nullptr;
        const int sock = c.sock;
        held_.Remove(c);
        ::shutdown(sock, SHUT_RDWR);
        ::close(sock);
    }

    const WebServerLimits& limits_;
    ClientConnections held_;
    httplib::ThreadPool workers_;
};

class HttplibWebServer : public WebServer {
  public:
    ~HttplibWebServer() override { Stop(); }

    bool Start(const std::string& address, int port, WebService& service,
               const WebServerLimits& limits, int* boundPort) override {
        Stop();
        limits_ = limits;
        server_ = std::make_unique<StationServer>(limits_);
        StationServer& s = *server_;
        s.set_keep_alive_max_count(1);
        s.set_default_headers({{"Server", kServerName}});
        s.set_payload_max_length(static_cast<std::size_t>(limits.maxBodyBytes));
        const int bound =
            port == 0 ? s.bind_to_any_port(address) : (s.bind_to_port(address, port) ? port : -1);
        if (bound <= 0) {
            server_.reset();
            return false;
        }
        s.WidenBacklog();
        s.set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
            const int fault = FramingFault(req);
            if (fault == 0) return httplib::Server::HandlerResponse::Unhandled;
            res.status = fault;
            return httplib::Server::HandlerResponse::Handled;
        });
        // What failed is the station's business, not the client's.
        s.set_exception_handler([](const httplib::Request&, httplib::Response& res,
                                   std::exception_ptr) { res.status = 500; });
        s.Get(".*", [&service](const httplib::Request& req, httplib::Response& res) {
            Answer(service.Get(RequestOf(req)), res);
        });
        const WebServerLimits& held = limits_;
        s.Post(".*", [&service, &held](const httplib::Request& req, httplib::Response& res,
                                       const httplib::ContentReader& reader) {
            HttplibBody body(reader, held);
            Answer(service.Post(RequestOf(req), body), res);
        });
        if (boundPort) *boundPort = bound;
        listener_ = std::thread([&s] { s.listen_after_bind(); });
        return true;
    }

    void Stop() override {
        if (!server_) return;
        server_->StopListening();
        if (listener_.joinable()) listener_.join();
        server_.reset();
    }

  private:
    WebServerLimits limits_;
    std::unique_ptr<StationServer> server_;
    std::thread listener_;
};

// As a server would listen: on every address, past connections that are
// only winding down.
bool CanListen(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return false;
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_ANY);
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool free =
        ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && ::listen(fd, 1) == 0;
    ::close(fd);
    return free;
}

}  // namespace

WebServer& WebServer::Default() {
    static HttplibWebServer server;
    return server;
}

std::string FirstLocalIpv4() {
    const std::vector<std::string> all = LocalIpv4Addresses();
    return all.empty() ? std::string() : all.front();
}

std::vector<std::string> LocalIpv4Addresses() {
    std::vector<std::string> all;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            all.push_back(a.toString().toStdString());
    }
    return all;
}

PortHolder WhoHoldsPort(const std::string& address, int port) {
    if (CanListen(port)) return PortHolder::kNobody;
    httplib::Client client(address, port);
    client.set_connection_timeout(2);
    client.set_read_timeout(2);
    const httplib::Result answer = client.Get("/");
    return answer && answer->get_header_value("Server") == kServerName ? PortHolder::kStation
                                                                       : PortHolder::kOther;
}

}  // namespace orelle
