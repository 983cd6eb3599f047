#include "submit/RunningPrice.h"

#include <cmath>

#include "orderdata/PrintCatalogue.h"
#include "platform/text/NumberText.h"
#include "submit/SizeTotals.h"

namespace orelle {

std::vector<std::int64_t> StorePriceCents(const PrintCatalogue& catalogue) {
    std::vector<std::int64_t> cents;
    for (std::int32_t i = 0; i < catalogue.GetCount(); ++i)
        cents.push_back(std::llround(catalogue.GetPrices(catalogue.GetCode(i)).price * 100.0));
    return cents;
}

std::string RunningPriceText(const PhotoList& list, const PrintCatalogue& catalogue,
                             const std::vector<std::int64_t>& priceCents, bool studioPackage) {
    const std::vector<std::int64_t> totals = SizeTotals(list, catalogue.GetCount());
    std::int64_t prints = 0;
    std::int64_t cents = 0;
    std::int32_t unpriced = -1;  // the first size without a price
    bool severalUnpriced = false;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        if (totals[i] == 0) continue;
        prints += totals[i];
        const std::int64_t price = i < priceCents.size() ? priceCents[i] : 0;
        if (price > 0) {
            cents += totals[i] * price;
        } else if (unpriced < 0) {
            unpriced = static_cast<std::int32_t>(i);
        } else {
            severalUnpriced = true;
        }
    }
    std::string out = "共 " + text::IntText(prints) + " 张";
    if (studioPackage) return out;
    if (unpriced >= 0)
        return out + " " + catalogue.GetName(unpriced) + (severalUnpriced ? "等" : "") + "无价格";
    std::string fraction = text::IntText(cents % 100);
    if (fraction.size() < 2) fraction.insert(0, "0");
    return out + " 门市价¥" + text::IntText(cents / 100) + "." + fraction;
}

}  // namespace orelle
