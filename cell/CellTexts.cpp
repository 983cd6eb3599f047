#include "cell/CellTexts.h"

#include "platform/text/NumberText.h"

namespace orelle {

std::string PixelSizeText(std::int32_t w, std::int32_t h) {
    return text::IntText(w) + "x" + text::IntText(h);
}

std::string NameLabelText(const std::string& origName, std::int32_t w, std::int32_t h) {
    return origName + "(" + PixelSizeText(w, h) + ")";
}

std::string PrintSizeText(const std::string& sizeName) { return "冲印规格" + sizeName; }

std::string CropFillText(std::int32_t operate) { return operate == 0 ? "留白" : "裁切"; }

std::string ZoomText(std::int32_t scale) { return "缩放比例" + text::IntText(scale); }

std::string AngleText(std::int32_t angle) { return "旋转度数" + text::IntText(angle); }

std::string DateText(std::int32_t adddatetime) {
    return adddatetime == 0 ? "加印日期" : "取消日期";
}

std::string OrderedName(const std::string& dstName, std::int32_t number) {
    if (number <= 0) return dstName;
    const std::size_t dot = dstName.rfind('.');
    const std::string stem = dot == std::string::npos ? std::string() : dstName.substr(0, dot);
    const std::string tail = dot == std::string::npos ? dstName : dstName.substr(dot);
    return stem + "-" + text::IntText(number) + tail;
}

}  // namespace orelle
