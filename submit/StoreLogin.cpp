#include "submit/StoreLogin.h"

#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"
#include "submit/WebReply.h"

namespace orelle {

StoreLoginAnswer ReadStoreLoginReply(const std::string& reply) {
    if (!HasReplyStatus(reply)) return StoreLoginAnswer::kNoNetwork;
    if (reply.find("status=1") != std::string::npos) return StoreLoginAnswer::kWrongPassword;
    if (reply.find("status=0") != std::string::npos) return StoreLoginAnswer::kAccepted;
    return StoreLoginAnswer::kUnknown;
}

const char* StoreLoginMessage(StoreLoginAnswer answer) {
    return StoreAnswerMessage(web::kStoreLogin, answer);
}

const char* StoreAnswerMessage(const WebEndpoint& e, StoreLoginAnswer answer) {
    switch (answer) {
        case StoreLoginAnswer::kAccepted:
            return nullptr;
        case StoreLoginAnswer::kWrongPassword:
            return e.messages.front().text;
        case StoreLoginAnswer::kUnknown:
            return e.otherMessage;
        case StoreLoginAnswer::kNoNetwork:
            return e.noReplyMessage;
    }
    return nullptr;
}

StoreLoginAnswer StoreLoginExchange(const WebClient& client, const std::string& user,
                                    const std::string& scrambledPassword,
                                    const std::function<bool()>& stopped) {
    return ReadStoreLoginReply(client.PostForm(
        web::kStoreLogin.path, EndpointBody(web::kStoreLogin, {user, scrambledPassword}), stopped));
}

}  // namespace orelle
