#include "submit/BackOfficeLogin.h"

#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"
#include "submit/WebReply.h"

namespace orelle {

BackOfficeAnswer ReadBackOfficeReply(const std::string& reply) {
    if (!HasReplyStatus(reply)) return BackOfficeAnswer::kNoNetwork;
    if (reply.find("status=1") != std::string::npos) return BackOfficeAnswer::kWrongPassword;
    if (reply.find("status=0") != std::string::npos) return BackOfficeAnswer::kAccepted;
    return BackOfficeAnswer::kUnknown;
}

const char* BackOfficeLoginMessage(BackOfficeAnswer answer) {
    return BackOfficeAnswerMessage(web::kBackOfficeLogin, answer);
}

const char* BackOfficeAnswerMessage(const WebEndpoint& e, BackOfficeAnswer answer) {
    switch (answer) {
        case BackOfficeAnswer::kAccepted:
            return nullptr;
        case BackOfficeAnswer::kWrongPassword:
            return e.messages.front().text;
        case BackOfficeAnswer::kUnknown:
            return e.otherMessage;
        case BackOfficeAnswer::kNoNetwork:
            return e.noReplyMessage;
    }
    return nullptr;
}

BackOfficeAnswer BackOfficeLoginExchange(const WebClient& client, const std::string& user,
                                         const std::string& scrambledPassword,
                                         const std::function<bool()>& stopped) {
    return ReadBackOfficeReply(
        client.PostForm(web::kBackOfficeLogin.path,
                        EndpointBody(web::kBackOfficeLogin, {user, scrambledPassword}), stopped));
}

}  // namespace orelle
