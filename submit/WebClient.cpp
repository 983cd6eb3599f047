#include "submit/WebClient.h"

#include "orderdata/ParamConfig.h"
#include "orderdata/WebServerSettings.h"
#include "platform/gbk/Gbk.h"

namespace orelle {

WebClient::WebClient(const ParamConfig& config, HttpLimits limits, HttpPoster& poster)
    : web_(config.web),
      web2_(config.web2),
      webport_(config.webport),
      webport2_(config.webport2),
      useProxy_(config.hproxy != 0),
      proxy_(config.proxyser),
      limits_(limits),
      poster_(poster),
      currentHost_(config.web),
      currentPort_(config.webport) {}

std::string WebClient::PostForm(std::string_view path, std::string_view body,
                                const std::function<bool()>& stopped) const {
    // Such a host would send the form to another port or path: no reply.
    if (!WebHostRefusal("web", currentHost_).empty()) return {};
    HttpPost post;
    post.host = currentHost_;
    post.port = currentPort_;
    post.path = std::string(path);
    post.contentType = kContentType;
    post.body = gbk::FromUtf8(body);
    post.agent = kAgent;
    post.limits = limits_;
    post.useProxy = useProxy_;
    post.proxy = proxy_;
    std::string reply = poster_.Post(post, stopped);
    // The reply is a text: it ends at a zero byte, as the station reads it.
    const std::size_t zero = reply.find('\0');
    if (zero != std::string::npos) reply.resize(zero);
    return gbk::ToUtf8(reply);
}

void WebClient::Reset() {
    currentHost_ = web_;
    currentPort_ = webport_;
    secondHost_ = 0;
}

WebClient::Failover WebClient::ServerFailover() {
    const Failover result = currentHost_ == web2_ ? Failover::kGaveUp : Failover::kSwitched;
    if (secondHost_ == 0) {
        secondHost_ = 1;
        currentHost_ = web2_;
        currentPort_ = webport2_;
    } else {
        secondHost_ = 0;
        currentHost_ = web_;
        currentPort_ = webport_;
    }
    return result;
}

}  // namespace orelle
