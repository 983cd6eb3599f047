#include "stores/StoreListRefresh.h"

#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "submit/WebClient.h"
#include "submit/WebEndpoints.h"

namespace orelle {

std::string StoreListPath(const std::string& programFolder) {
    return programFolder + "storelist.ini";
}

std::string WithLineBreaks(std::string_view reply) {
    static constexpr std::string_view kBreak = "<br>";
    std::string out;
    out.reserve(reply.size());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t at = reply.find(kBreak, pos);
        if (at == std::string_view::npos) break;
        out.append(reply.substr(pos, at - pos));
        out += "\r\n";
        pos = at + kBreak.size();
    }
    out.append(reply.substr(pos));
    return out;
}

std::optional<StoreList> RefreshStoreList(const WebClient& client, FileSystem& fs,
                                          const std::string& path,
                                          const std::function<bool()>& stopped) {
    const std::string reply = WithLineBreaks(
        client.PostForm(web::kStoreList.path, EndpointBody(web::kStoreList, {"0"}), stopped));
    if (reply.find("storecount") == std::string::npos) return std::nullopt;
    if (stopped && stopped()) return std::nullopt;
    const std::string bytes = gbk::FromUtf8(reply);
    // A file that cannot be written keeps its last good contents; the
    // fresh directory is shown all the same.
    fs.ReplaceFile(path, bytes);
    return ParseStoreList(bytes);
}

}  // namespace orelle
