#pragma once
// The station's client of the order web server: one form POST per
// exchange to the current host, and the switch between the first and the
// second host. Texts are UTF-8 here and GBK on the wire.
//
// PostForm may run on a worker thread while the UI thread waits; the
// current host and port are plain members, so change them (Reset,
// ServerFailover, InvertSecondHost) only while no exchange runs.

#include <functional>
#include <string>
#include <string_view>

#include "platform/http/HttpPoster.h"

namespace orelle {

struct ParamConfig;

class WebClient {
  public:
    // The header every exchange carries, byte for byte.
    static constexpr const char* kContentType = "application/x-www-form-urlencoded";
    static constexpr const char* kAgent = "Lumora";

    // Starts on the first host. The poster must outlive the client.
    WebClient(const ParamConfig& config, HttpLimits limits, HttpPoster& poster);

    // One POST of body (already formatted, see FormBody) to path on the
    // current host. The whole reply, up to its first zero byte; empty on any
    // failure, or when stopped answers true meanwhile.
    std::string PostForm(std::string_view path, std::string_view body,
                         const std::function<bool()>& stopped = {}) const;

    // Back to the first host, second-host flag 0 (each OK of the order
    // dialog).
    void Reset();
    // After a price check without a usable reply: swaps to the other host.
    // kGaveUp when the current host already was the second host's name
    // (then the caller shows the connection failure).
    enum class Failover { kSwitched, kGaveUp };
    Failover ServerFailover();
    // The order start's reaction to no reply: only the flag turns.
    void InvertSecondHost() { secondHost_ = secondHost_ ? 0 : 1; }

    const std::string& CurrentHost() const { return currentHost_; }
    int CurrentPort() const { return currentPort_; }
    int SecondHost() const { return secondHost_; }

  private:
    std::string web_, web2_;
    int webport_, webport2_;
    bool useProxy_;
    std::string proxy_;
    HttpLimits limits_;
    HttpPoster& poster_;
    std::string currentHost_;
    int currentPort_;
    int secondHost_ = 0;
};

}  // namespace orelle
