#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "platform/http/HttpPoster.h"

namespace orelle {
namespace {

// How often a running exchange looks at its stop question.
constexpr int kStopPollMs = 20;

struct Reply {
    std::string bytes;
    std::size_t limit = 0;
    bool tooLong = false;
};

// A reply past the limit ends the transfer: a Content-Length cap would not
// catch chunked replies.
std::size_t Collect(char* data, std::size_t size, std::size_t count, void* user) {
    auto* reply = static_cast<Reply*>(user);
    const std::size_t n = size * count;
    if (n > reply->limit - reply->bytes.size()) {
        reply->tooLong = true;
        return 0;
    }
    reply->bytes.append(data, n);
    return n;
}

void InitOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyFree {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiFree {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct ListFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// Runs the transfer; false when it failed or was stopped.
bool Run(CURL* easy, const std::function<bool()>& stopped) {
    std::unique_ptr<CURLM, MultiFree> multi(curl_multi_init());
    if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) return false;
    bool ok = false;
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) break;
        if (running == 0) {
            int left = 0;
            CURLMsg* msg = curl_multi_info_read(multi.get(), &left);
            ok = msg && msg->msg == CURLMSG_DONE && msg->data.result == CURLE_OK;
            break;
        }
        if (stopped && stopped()) break;
        if (curl_multi_poll(multi.get(), nullptr, 0, kStopPollMs, nullptr) != CURLM_OK) break;
    }
    curl_multi_remove_handle(multi.get(), easy);
    return ok;
}

}  // namespace

std::string CurlPoster::Post(const HttpPost& post, const std::function<bool()>& stopped) {
    InitOnce();
    std::unique_ptr<CURL, EasyFree> easy(curl_easy_init());
    if (!easy) return {};
    CURL* e = easy.get();
    const std::string url = "http://" + post.host + ":" + std::to_string(post.port) + post.path;
    // The header exactly as given; no Accept (no accept types), and no
    // Expect, which would hold a large body back for a second.
    curl_slist* raw = nullptr;
    for (const std::string& h :
         {"Content-Type:" + post.contentType, std::string("Accept:"), std::string("Expect:")}) {
        curl_slist* next = curl_slist_append(raw, h.c_str());
        if (!next) {
            curl_slist_free_all(raw);
            return {};
        }
        raw = next;
    }
    std::unique_ptr<curl_slist, ListFree> headers(raw);
    Reply reply;
    reply.limit = post.limits.maxReplyBytes;

    curl_easy_setopt(e, CURLOPT_URL, url.c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_POST, 1L);
    curl_easy_setopt(e, CURLOPT_POSTFIELDS, post.body.data());
    curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(post.body.size()));
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(e, CURLOPT_USERAGENT, post.agent.c_str());
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, post.limits.connectTimeoutMs);
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, post.limits.totalTimeoutMs);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &reply);
    if (post.useProxy) {
        curl_easy_setopt(e, CURLOPT_PROXY, post.proxy.c_str());
        curl_easy_setopt(e, CURLOPT_NOPROXY, "");
    }
    if (!Run(e, stopped) || reply.tooLong) return {};
    return std::move(reply.bytes);
}

HttpPoster& HttpPoster::Default() {
    static CurlPoster poster;
    return poster;
}

}  // namespace orelle
