#include "submit/WebEndpoints.h"

#include "submit/FormValue.h"
#include "submit/WebReply.h"

namespace orelle::web {
namespace {

constexpr StatusMessage kStatLoginMessages[] = {
    {1, "用户名或密码错误!"},
    {2, "统计订单金额出错!没有提供该规格的纸型!"},
    {3, "帐户金额不足!订单总额为%.2f,帐户内仅有%.2f\r\n点'充值'按钮充值\r\n"},
};
constexpr StatusMessage kStartOrderMessages[] = {
    {1, "用户名或密码错误!"},
    {2, "没有提供该规格的纸型!请选择其他规格纸型!"},
    {3, "充值卡金额不足!订单总额为%.2f充值卡内仅有%.2f"},
    {5, "不容许该会员取件时才付款"},
};
constexpr StatusMessage kAlbumLoginMessages[] = {
    {1, "连接网络失败!请确认网络畅通"},
};
constexpr StatusMessage kBackOfficeLoginMessages[] = {
    {1, "店号密码错误"},
};
constexpr StatusMessage kOneMemberMessages[] = {
    {1, "查询出错"},
};

}  // namespace

const WebEndpoint kStatLogin{"/Lumora/client/statlogin.asp",
                             {"pt", "uc", "psw", "pl", "uum"},
                             {"status", "ordermoney", "bfullmoney", "username", "memo", "memcard"},
                             kStatLoginMessages,
                             "统计订单金额出错!",
                             nullptr};
const WebEndpoint kStartOrder{"/Lumora/client/startorder.asp",
                              {"pt", "uc", "psw", "pl", "localid"},
                              {"status", "ordermoney", "orderid", "localid", "memcard"},
                              kStartOrderMessages,
                              "创建网络订单号出错!",
                              kConnectFailed};
const WebEndpoint kAlbumLogin{"/Lumora/client/albumlogin.asp",
                              {"uc", "psw"},
                              {"status", "orderid"},
                              kAlbumLoginMessages,
                              nullptr,
                              "连接网络失败!请确认网络畅通"};
const WebEndpoint kBackOfficeLogin{"/Lumora/storemanage/smlogin.asp",
                                   {"storeid", "storepsw"},
                                   {"status"},
                                   kBackOfficeLoginMessages,
                                   "未知的错误",
                                   "网络不畅通，请确认!"};
const WebEndpoint kOneMember{"/Lumora/storemanage/onemember.asp",
                             {"storeid", "storepsw", "code"},
                             {"status", "password"},
                             kOneMemberMessages,
                             "未知的错误",
                             "网络不畅通，请确认!"};
const WebEndpoint kNotify{"/Lumora/manage/notify.asp", {"pt"}, {}, {}, nullptr, nullptr};
const WebEndpoint kStoreList{"/Lumora/manage/getslist.asp", {"pt"}, {}, {}, nullptr, nullptr};

}  // namespace orelle::web

namespace orelle {

std::string EndpointBody(const WebEndpoint& endpoint,
                         std::initializer_list<std::string_view> values) {
    std::string body;
    auto value = values.begin();
    for (const char* key : endpoint.keys) {
        if (!key) break;
        if (!body.empty()) body += '&';
        body += key;
        body += '=';
        if (value != values.end()) body += FormValue(*value++);
    }
    return body;
}

const char* EndpointMessage(const WebEndpoint& endpoint, std::string_view reply) {
    if (!HasReplyStatus(reply)) return endpoint.noReplyMessage;
    const int status = ReplyStatus(reply);
    if (status == 0) return nullptr;
    for (const StatusMessage& m : endpoint.messages) {
        if (m.status == status) return m.text;
    }
    return endpoint.otherMessage;
}

}  // namespace orelle
