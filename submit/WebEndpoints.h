#pragma once
// Every exchange with the order web server in one table: the path, the
// form's keys in order, the reply fields the caller reads and the texts it
// shows. Bodies are built from the table, never by hand.

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace orelle {

struct StatusMessage {
    int status;
    const char* text;  // may hold printf conversions, filled by the caller
};

struct WebEndpoint {
    const char* path;
    std::array<const char*, 5> keys;         // unused ones are null
    std::array<const char*, 6> replyFields;  // unused ones are null
    std::span<const StatusMessage> messages;
    const char* otherMessage;    // a status the table does not list; may be null
    const char* noReplyMessage;  // an empty reply or one without "status="; may be null
};

namespace web {

extern const WebEndpoint kStatLogin;   // price check of the order dialog
extern const WebEndpoint kStartOrder;  // order start of the order dialog
extern const WebEndpoint kAlbumLogin;
extern const WebEndpoint kBackOfficeLogin;  // back-office login
extern const WebEndpoint kOneMember;        // a route member's password
extern const WebEndpoint kNotify;           // the service notice
extern const WebEndpoint kStoreList;        // the pickup point directory

// Texts of the order start besides its status messages.
inline constexpr const char* kOrderNumberMissing = "网络订单数据获取失败!";
inline constexpr const char* kOrderCheckFailed = "网络订单校验数据获取失败!";
inline constexpr const char* kConnectFailed = "连接失败!请确认网络及防火墙设置";

}  // namespace web

// The form body: the endpoint's keys with these values, in order (see
// FormValue). Values beyond the keys are left out, missing ones are empty.
std::string EndpointBody(const WebEndpoint& endpoint,
                         std::initializer_list<std::string_view> values);

// The text for a reply's status: none for 0, which every endpoint takes as
// success; the listed one, else the endpoint's other message; the no-reply
// message when the reply has no status. Null when the table gives none.
const char* EndpointMessage(const WebEndpoint& endpoint, std::string_view reply);

}  // namespace orelle
