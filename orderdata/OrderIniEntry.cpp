#include "orderdata/OrderIniEntry.h"

#include "orderdata/OrderInfo.h"
#include "platform/text/NumberText.h"

namespace orelle {

using text::IntText;

std::string OrderIniSection(const OrderInfo& info) { return IntText(info.historyID); }

Profile::KeyValues OrderIniEntry(const OrderInfo& info, bool placed, const std::string& dateStr,
                                 const LocalTime& now) {
    Profile::KeyValues keys{
        {"saleDDH", info.saleDDH},
        {"storeDDH", info.storeDDH},
        {"paymode", IntText(info.paymode)},
        {"storeid", info.storeid},
        {"sendmode", IntText(info.sendmode)},
        {"OrderAmount", text::FixedText(info.OrderAmount, 2)},
        {"uploaded", "0"},
    };
    if (info.IsAlbumOrder()) {
        keys.emplace_back("OrderAmount", "0");
        keys.emplace_back("type", "10");
        keys.emplace_back("albumid", info.albumid);
    } else {
        keys.emplace_back("type", "1");
    }
    keys.emplace_back("bSuccess", placed ? "-1" : "0");
    keys.emplace_back("submitdate", dateStr);
    keys.emplace_back("submittime",
                      IntText(now.hour) + ":" + IntText(now.minute) + ":" + IntText(now.second));
    return keys;
}

}  // namespace orelle
