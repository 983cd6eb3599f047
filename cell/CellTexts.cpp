#include "cell/CellTexts.h"

#include <vector>

#include "platform/text/NumberText.h"

namespace orelle {

std::string PixelSizeText(std::int32_t w, std::int32_t h) {
    return text::IntText(w) + "x" + text::IntText(h);
}

namespace {

// Byte offsets of the UTF-8 characters of text, and its length at the end.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

}  // namespace

std::string ElidedName(const std::string& name, const std::string& suffix,
                       const std::function<bool(const std::string&)>& fits) {
    if (fits(name + suffix)) return name + suffix;
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    const std::vector<std::size_t> starts = CharacterStarts(stem);
    const std::size_t n = starts.size() - 1;  // characters of the stem
    // The most characters kept, split between the start and the end of the
    // stem, the start getting the larger half.
    for (std::size_t keep = n; keep-- > 0;) {
        const std::size_t head = (keep + 1) / 2;
        const std::size_t tail = keep - head;
        const std::string text = stem.substr(0, starts[head]) + "…" +
                                 stem.substr(starts[n - tail]) + extension + suffix;
        if (fits(text) || keep == 0) return text;
    }
    return "…" + extension + suffix;
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
