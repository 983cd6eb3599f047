#include "submit/OrderTexts.h"

#include "orderdata/PrintResolution.h"
#include "orderdata/ProcessState.h"
#include "orderdata/ProductList.h"
#include "platform/text/NumberText.h"
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
        out.productList += ProductListItem(catalogue.GetCode(index), count);
    }
    if (studioPackage) {
        out.text = "影楼数据包";
        out.productList = ProductListItem("9999", "1");
    }
    return out;
}

StatText LowResolutionNote(const PhotoList& list, const PrintCatalogue& catalogue,
                           std::int32_t minDpi) {
    StatText out;
    const std::vector<std::int32_t> low = LowResolutionPhotos(list, catalogue, minDpi);
    if (low.empty()) return out;
    out.text = "其中 " + text::IntText(static_cast<std::int64_t>(low.size())) + " 张像素不足(低于" +
               text::IntText(minDpi) + "dpi):\r\n";
    out.lineCount = 1;
    for (std::size_t i = 0; i < low.size() && i < kNamedLowResolution; ++i) {
        const PhotoRecord& r = list.At(low[i]);
        out.text += "    " + r.origName + " " + catalogue.GetName(r.specIndex) + "\r\n";
        ++out.lineCount;
    }
    if (low.size() > kNamedLowResolution) {
        out.text += "    ……\r\n";
        ++out.lineCount;
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

std::string GetStatNoticeStr(ProcessState& state, std::int32_t countOverride) {
    std::string text = GetStatStr(state, countOverride);
    if (text.empty()) return text;  // nothing to read while a worker owns the list
    const StatText note =
        LowResolutionNote(state.photoList, state.startup.catalogue, state.startup.config.mindpi);
    if (note.text.empty()) return text;
    state.session.noticeLines += note.lineCount;
    if (text.back() != '\n') text += "\r\n";  // a studio package's one line
    return text + note.text;
}

}  // namespace orelle
