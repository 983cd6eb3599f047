#pragma once
// The back-office login of a shop operator, without a window. What a
// login keeps lives as long as the process: the order dialog skips the
// login when it is there, and the route member lookup sends it.

#include <functional>
#include <string>

namespace orelle {

class WebClient;

struct BackOfficeLogin {
    std::string user;
    std::string scrambledPassword;
    bool kept = false;
};

enum class BackOfficeAnswer { kAccepted, kWrongPassword, kUnknown, kNoNetwork };

// The reply of smlogin.asp by substring: no "status=" is no network;
// "status=1" anywhere is a wrong password, even beside "status=0"; then
// "status=0" accepts; anything else is unknown.
BackOfficeAnswer ReadBackOfficeReply(const std::string& reply);

// The box text of an answer; null for kAccepted.
const char* BackOfficeLoginMessage(BackOfficeAnswer answer);
// The same for another back-office exchange that answers alike.
struct WebEndpoint;
const char* BackOfficeAnswerMessage(const WebEndpoint& endpoint, BackOfficeAnswer answer);

// One login on the calling thread with the already scrambled password.
BackOfficeAnswer BackOfficeLoginExchange(const WebClient& client, const std::string& user,
                                         const std::string& scrambledPassword,
                                         const std::function<bool()>& stopped);

}  // namespace orelle
