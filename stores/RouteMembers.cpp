#include "stores/RouteMembers.h"

#include "submit/OrderDatabase.h"
#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"
#include "submit/WebReply.h"

namespace orelle {

std::vector<std::string> RouteNames(OrderDatabase& db) {
    std::vector<std::string> names;
    std::vector<Database::Row> rows;
    if (!db.Query("select * from DB_user where userrole='业务送片'", {}, &rows)) return names;
    for (const Database::Row& row : rows)
        names.push_back(OrderDatabase::GetFieldText(row, "username"));
    return names;
}

std::vector<RouteMember> RouteMembersOf(OrderDatabase& db, const std::string& route) {
    std::vector<RouteMember> members;
    std::vector<Database::Row> rows;
    if (!db.Query("select DB_line.code,DB_member.name from DB_line,DB_member where "
                  "DB_line.code=DB_member.code and linename=? order by sortid",
                  {route}, &rows))
        return members;
    for (const Database::Row& row : rows)
        members.push_back(
            {OrderDatabase::GetFieldText(row, "code"), OrderDatabase::GetFieldText(row, "name")});
    return members;
}

RouteMemberPassword LookUpRouteMember(const WebClient& client, const BackOfficeLogin& login,
                                      const std::string& memberCode,
                                      const std::function<bool()>& stopped) {
    const std::string reply = client.PostForm(
        web::kOneMember.path,
        EndpointBody(web::kOneMember, {login.user, login.scrambledPassword, memberCode}), stopped);
    RouteMemberPassword result;
    result.answer = ReadBackOfficeReply(reply);
    if (result.answer == BackOfficeAnswer::kAccepted)
        result.password = GetReplyField(reply, "password");
    return result;
}

const char* RouteMemberMessage(BackOfficeAnswer answer) {
    return BackOfficeAnswerMessage(web::kOneMember, answer);
}

}  // namespace orelle
