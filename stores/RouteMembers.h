#pragma once
// The members of the shop's delivery routes, without a window: the routes
// and their members from the order database, and a member's password from
// the back office.

#include <functional>
#include <string>
#include <vector>

#include "submit/BackOfficeLogin.h"

namespace orelle {

class OrderDatabase;
class WebClient;

struct RouteMember {
    std::string code;
    std::string name;
};

// The delivery routes' names, in the database's order. Empty after a
// failed query (its box is the database's).
std::vector<std::string> RouteNames(OrderDatabase& db);
// A route's members in their order on the route.
std::vector<RouteMember> RouteMembersOf(OrderDatabase& db, const std::string& route);

struct RouteMemberPassword {
    BackOfficeAnswer answer = BackOfficeAnswer::kNoNetwork;
    std::string password;  // when accepted
};

// Asks the back office for a member's password with the operator's kept
// login. A reply holding "status=1" fails even beside "status=0".
RouteMemberPassword LookUpRouteMember(const WebClient& client, const BackOfficeLogin& login,
                                      const std::string& memberCode,
                                      const std::function<bool()>& stopped = {});

// The box text (caption "提示") of a failed look-up; null when accepted.
const char* RouteMemberMessage(BackOfficeAnswer answer);

}  // namespace orelle
