#include "submit/OrderTexts.h"

#include "orderdata/FaceCrop.h"
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

namespace {

// The heading, then the photos at those indexes by name and print size,
// at most kNamedLowResolution of them.
StatText NamedPhotosNote(const PhotoList& list, const PrintCatalogue& catalogue,
                         const std::vector<std::int32_t>& photos, const std::string& heading) {
    StatText out;
    if (photos.empty()) return out;
    out.text =
        "其中 " + text::IntText(static_cast<std::int64_t>(photos.size())) + heading + ":\r\n";
    out.lineCount = 1;
    for (std::size_t i = 0; i < photos.size() && i < kNamedLowResolution; ++i) {
        const PhotoRecord& r = list.At(photos[i]);
        out.text += "    " + r.origName + " " + catalogue.GetName(r.specIndex) + "\r\n";
        ++out.lineCount;
    }
    if (photos.size() > kNamedLowResolution) {
        out.text += "    ……\r\n";
        ++out.lineCount;
    }
    return out;
}

}  // namespace

StatText LowResolutionNote(const PhotoList& list, const PrintCatalogue& catalogue,
                           std::int32_t minDpi) {
    return NamedPhotosNote(list, catalogue, LowResolutionPhotos(list, catalogue, minDpi),
                           " 张像素不足(低于" + text::IntText(minDpi) + "dpi)");
}

StatText FaceCutNote(const PhotoList& list, const PrintCatalogue& catalogue,
                     const FaceStore& faces) {
    return NamedPhotosNote(list, catalogue, FaceCutPhotos(list, faces), " 张裁到人脸");
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
    const PrintCatalogue& catalogue = state.startup.catalogue;
    std::vector<StatText> notes{
        LowResolutionNote(state.photoList, catalogue, state.startup.config.mindpi)};
    if (state.startup.config.faces > 0)
        notes.push_back(FaceCutNote(state.photoList, catalogue, state.faces));
    for (const StatText& note : notes) {
        if (note.text.empty()) continue;
        state.session.noticeLines += note.lineCount;
        if (text.back() != '\n') text += "\r\n";  // a studio package's one line
        text += note.text;
    }
    return text;
}

}  // namespace orelle
