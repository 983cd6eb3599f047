#include "submit/AlbumLogin.h"

#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"
#include "submit/WebReply.h"

namespace orelle {
namespace {

constexpr std::size_t kOrderNumberLength = 8;

std::string AlbumListOf(const std::string& reply) {
    const std::size_t begin = reply.find('\\');
    if (begin == std::string::npos) return {};
    const std::size_t end = reply.find("||", begin);
    return reply.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

}  // namespace

AlbumLoginOutcome ReadAlbumLoginReply(const std::string& reply) {
    AlbumLoginOutcome out;
    const int status = ReplyStatus(reply);
    if (!HasReplyStatus(reply) || status == 1) {
        out.hint = EndpointMessage(web::kAlbumLogin, reply);
        return out;
    }
    if (status != 0) {
        out.accepted = true;
        return out;
    }
    out.orderNumber = "00" + GetReplyField(reply, "orderid");
    out.albumList = AlbumListOf(reply);
    out.accepted = out.orderNumber.size() >= kOrderNumberLength;
    if (!out.accepted) out.hint = "网络订单数据获取失败";
    return out;
}

AlbumLoginOutcome AlbumLogin(const WebClient& client, const std::string& user,
                             const std::string& password, const std::function<bool()>& stopped) {
    const std::string reply = client.PostForm(
        web::kAlbumLogin.path, EndpointBody(web::kAlbumLogin, {user, password}), stopped);
    return ReadAlbumLoginReply(reply);
}

}  // namespace orelle
