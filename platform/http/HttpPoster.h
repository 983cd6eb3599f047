#pragma once
// One HTTP POST of a form to a host: the station's only network request.
// A poster never reports why an exchange failed; an empty reply is the
// only sign, and the caller chooses the message. Safe to call from any
// thread; each call opens and closes its own connection.

#include <cstddef>
#include <functional>
#include <string>

namespace orelle {

// Bounds of one exchange, so that a silent server cannot hold a worker.
struct HttpLimits {
    static constexpr std::size_t kMaxReplyBytes = 1024 * 1024;

    long connectTimeoutMs = 5000;                // until the connection stands
    long totalTimeoutMs = 30000;                 // the whole exchange, connecting included
    std::size_t maxReplyBytes = kMaxReplyBytes;  // a longer reply is no reply
};

struct HttpPost {
    std::string host;
    int port = 80;
    std::string path;
    std::string contentType;  // the header's value
    std::string body;         // bytes, sent as they are
    std::string agent;
    HttpLimits limits;
    // Used when set; otherwise the system's configured access (on POSIX the
    // http_proxy variables of the environment).
    bool useProxy = false;
    std::string proxy;
};

class HttpPoster {
  public:
    virtual ~HttpPoster() = default;

    // The reply body's bytes as they came; empty when any step fails, when
    // the server answers with no body, when the reply is longer than the
    // limit, or when stopped returns true during the exchange (asked every
    // few tens of milliseconds, on the calling thread).
    virtual std::string Post(const HttpPost& post, const std::function<bool()>& stopped) = 0;

    // The machine's own poster, on libcurl.
    static HttpPoster& Default();
};

class CurlPoster final : public HttpPoster {
  public:
    std::string Post(const HttpPost& post, const std::function<bool()>& stopped) override;
};

}  // namespace orelle
