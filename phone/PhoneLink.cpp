#include "phone/PhoneLink.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "orderdata/TextCase.h"
#include "phone/PhoneSession.h"

namespace orelle {
namespace {

constexpr const char* kEndedZh =
    "<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
    "<title>链接已结束</title></head>"
    "<body style=\"font-family:sans-serif;margin:0;padding:48px 24px;text-align:center;"
    "background:#f4f1ea;color:#222\"><p id=\"ended\" style=\"font-size:22px;line-height:1.6\">"
    "本次传照片已结束,请重新扫描机器上的二维码</p></body></html>";
constexpr const char* kEndedEn =
    "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
    "<title>Link ended</title></head>"
    "<body style=\"font-family:sans-serif;margin:0;padding:48px 24px;text-align:center;"
    "background:#f4f1ea;color:#222\"><p id=\"ended\" style=\"font-size:22px;line-height:1.6\">"
    "This link has ended. Please scan the QR code on the photo station again.</p></body></html>";

// The weight the header gives a language ("zh", "en"): 0 when not named.
double Weight(const std::string& header, const std::string& language) {
    double best = 0;
    std::size_t at = 0;
    while (at < header.size()) {
        std::size_t end = header.find(',', at);
        if (end == std::string::npos) end = header.size();
        std::string item = ToLowerAscii(header.substr(at, end - at));
        at = end + 1;
        item.erase(0, item.find_first_not_of(" \t"));
        const std::size_t semi = item.find(';');
        const std::string tag = item.substr(0, std::min(semi, item.find_first_of(" \t")));
        if (tag != language && tag.rfind(language + "-", 0) != 0) continue;
        double q = 1;
        const std::size_t qAt = item.find("q=", semi == std::string::npos ? item.size() : semi);
        if (qAt != std::string::npos) q = std::atof(item.c_str() + qAt + 2);
        best = std::max(best, q);
    }
    return best;
}

}  // namespace

WebAnswer PhoneLinkEnded(const std::string& acceptLanguage) {
    const bool english = Weight(acceptLanguage, "en") > Weight(acceptLanguage, "zh");
    return WebAnswer{410, "text/html; charset=utf-8", english ? kEndedEn : kEndedZh};
}

void PhoneLink::Serve(std::shared_ptr<PhoneSession> session) {
    std::lock_guard<std::mutex> lock(mutex_);
    session_ = std::move(session);
}

std::shared_ptr<PhoneSession> PhoneLink::Session() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return session_;
}

WebAnswer PhoneLink::Get(const WebRequest& request) {
    const std::shared_ptr<PhoneSession> session = Session();
    WebAnswer answer = session ? session->Get(request) : WebAnswer{};
    return answer.status == 404 ? PhoneLinkEnded(request.language) : answer;
}

WebAnswer PhoneLink::Post(const WebRequest& request, WebBody& body) {
    const std::shared_ptr<PhoneSession> session = Session();
    WebAnswer answer = session ? session->Post(request, body) : WebAnswer{};
    return answer.status == 404 ? PhoneLinkEnded(request.language) : answer;
}

}  // namespace orelle
