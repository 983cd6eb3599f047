#pragma once
// A small HTTP server inside the station, for the page a phone opens. It
// answers every request through a WebService, on its own threads, and
// bounds what a client on the shop's network can take: connections, in
// all and per client, the time to send a request and the size of a body.
// A body is read as the plain bytes it is sent as (other types are
// refused 415) and must be exactly as long as its one Content-Length
// says (400 otherwise). The server writes and reads no file itself.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orelle {

struct WebRequest {
    std::string path;                           // decoded, without the query
    std::map<std::string, std::string> params;  // the query's, decoded
    // The body's length as the client announced it; none when not given.
    std::optional<std::uint64_t> length;
    std::string language = {};  // the Accept-Language header, as sent
};

struct WebAnswer {
    int status = 404;
    std::string type;  // the content type; empty with an empty body
    std::string body;
    // Closes the connection without an answer (a broken-off exchange).
    bool hangUp = false;
};

// A request's body, read in pieces as it arrives.
class WebBody {
  public:
    virtual ~WebBody() = default;
    // Hands each piece to piece until the body is whole. False when the
    // client broke off, was too slow, or piece returned false.
    virtual bool Read(const std::function<bool(std::string_view piece)>& piece) = 0;
};

// What the server serves. Called on the server's threads, several at once.
class WebService {
  public:
    virtual ~WebService() = default;
    virtual WebAnswer Get(const WebRequest& request) = 0;
    // The body is read by the service, or not at all.
    virtual WebAnswer Post(const WebRequest& request, WebBody& body) = 0;
};

struct WebServerLimits {
    // Connections held at once, each served on a thread of its own, and
    // from one client address (a phone's page needs two or three). Past
    // a bound, a connection whose request has not come whole makes room;
    // with none, the new one is answered 503 at once.
    int connections = 16;
    int connectionsPerClient = 4;
    int headerSeconds = 10;  // from connecting to the end of the headers
    int readSeconds = 10;    // the longest silence within a body
    int writeSeconds = 10;   // the longest a client may leave an answer unread
    // After the first few seconds a body must keep arriving at this rate.
    std::uint64_t minBodyBytesPerSecond = 16 * 1024;
    int bodyGraceSeconds = 5;
    std::uint64_t maxBodyBytes = std::uint64_t{64} << 20;
};

class WebServer {
  public:
    virtual ~WebServer() = default;
    // Serves service on address:port (port 0: a free port), until Stop.
    // True once the port is bound, with the port in *boundPort. The
    // service outlives the serving. One serving at a time.
    virtual bool Start(const std::string& address, int port, WebService& service,
                       const WebServerLimits& limits, int* boundPort) = 0;
    // Ends every connection and returns when no thread serves any more.
    virtual void Stop() = 0;

    // The machine's server (cpp-httplib).
    static WebServer& Default();
};

// The first IPv4 address of this machine that is not a loopback one;
// empty when there is none.
std::string FirstLocalIpv4();
// Every IPv4 address of this machine that is not a loopback one.
std::vector<std::string> LocalIpv4Addresses();

// Who holds a TCP port: nobody (it can be listened on, on every address),
// the station's own server (it answers on address:port as the station
// does), or another program.
enum class PortHolder { kNobody, kStation, kOther };
PortHolder WhoHoldsPort(const std::string& address, int port);

}  // namespace orelle
