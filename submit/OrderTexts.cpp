#include "submit/OrderTexts.h"

#include "orderdata/ProcessState.h"
#include "submit/SizeTotals.h"

namespace orelle {

StatText BuildStatText(const PhotoList& list, const PrintCatalogue& catalogue, bool studioPackage,
                       std::int32_t countOverride) {
    StatText out;
    out.text = "选定的照片明细:\r\n";
    out.lineCount = 1;
    const std::vector<std::int64_t> totals = SizeTotals(list, catalogue.GetCount());
    for (std::size_t i = 0; i < totals.size(); ++i) {
        if (totals[i] == 0) continue;
        const std::int32_t index = static_cast<std::int32_t>(i);
        const std::string count =
            std::to_string(countOverride == 0 ? totals[i] : std::int64_t{countOverride});
        out.text += "    " + catalogue.GetName(index) + ",数量:" + count + " 张\r\n";
        ++out.lineCount;
        out.productList += catalogue.GetCode(index) + ":" + count + "/";
    }
    if (studioPackage) {
        out.text = "影楼数据包";
        out.productList = "9999:1/";
    }
    return out;
}

std::string GetStatStr(ProcessState& state, std::int32_t countOverride) {
    OrderSession& session = state.session;
    session.noticeLines = 1;
    session.ProductList.clear();
    if (state.photoList.GetSize() == 0 || state.bRefreshing) return {};
    StatText stat = BuildStatText(state.photoList, state.startup.catalogue,
                                  state.flags.verison_origdirfile == 1, countOverride);
    session.noticeLines = stat.lineCount;
    session.ProductList = std::move(stat.productList);
    return std::move(stat.text);
}

}  // namespace orelle
