#include "orderdata/PhotoIniWriter.h"

#include <string_view>

#include "orderdata/OrderInfo.h"
#include "orderdata/PhotoList.h"
#include "platform/ini/IniText.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

// About the length of one record's section, to size the text once.
constexpr std::size_t kSectionEstimate = 420;

}  // namespace

std::string_view FfFolder(const PhotoRecord& record) {
    std::string_view dir = record.origDir;
    if (!dir.empty() && dir.back() == paths::kSeparator) dir.remove_suffix(1);
    return paths::FileNamePart(dir);
}

std::string FormatPhotoIni(const OrderInfo& info, bool placed, const PhotoList& list) {
    IniText ini(512 + kSectionEstimate * static_cast<std::size_t>(list.GetSize()));
    ini.Section("orderinfo");
    ini.Key("phone", info.customer.phone);
    ini.Key("mobile", info.customer.mobile);
    ini.Key("user", info.customer.user);
    ini.Key("username", info.customer.username);
    ini.Key("sendaddr", info.customer.sendaddr);
    ini.Key("bespeak", info.bespeak);
    ini.Key("saleddh", info.saleDDH);
    ini.Key("memo", info.memo);
    ini.Key("uploaded", 0);
    ini.Key("bSuccess", placed ? 1 : 0);
    ini.Key("requir", info.requir);
    ini.Key("backupDir", info.backupDir);
    ini.Key("productlist", info.productlist);
    ini.Key("frate", info.frate);
    ini.Section("photoid");
    ini.Key("photonumb", list.GetSize());
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        const PhotoRecord& r = list.At(i);
        ini.Section(std::int64_t{i} + 1);
        ini.Key("historyID", info.historyID);
        ini.Key("srcName", r.srcName);
        ini.Key("dstName", r.dstName);
        ini.Key("ffname", {FfFolder(r), "+", r.origName});
        ini.Key("operate", r.operate);
        ini.Key("number", r.number);
        ini.Key("rcDstLeft", r.rcDst.left);
        ini.Key("rcDstTop", r.rcDst.top);
        ini.Key("rcDstWidth", r.rcDst.width);
        ini.Key("rcDstHeight", r.rcDst.height);
        ini.Key("offsetSZX", r.offsetSZX);
        ini.Key("offsetSZY", r.offsetSZY);
        ini.Key("scale", r.scale);
        ini.Key("angle", r.angle);
        ini.Key("bBrowsed", r.bBrowsed);
        ini.Key("productID", r.productID);
        ini.Key("autoadj", r.autoadj);
        ini.Key("specIndex", r.specIndex);
        ini.Key("exoch", r.exoch);
        ini.Key("adddatetime", r.adddatetime);
    }
    return ini.Take();
}

bool SetPhotoIniHeaderValue(std::string* bytes, std::string_view key, std::string_view value) {
    const std::string line = "\r\n" + std::string(key) + "=";
    const std::size_t at = bytes->find(line);
    if (at == std::string::npos) return false;
    const std::size_t from = at + line.size();
    const std::size_t end = bytes->find("\r\n", from);
    if (end == std::string::npos) return false;
    bytes->replace(from, end - from, value);
    return true;
}

}  // namespace orelle
