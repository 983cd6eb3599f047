#pragma once
// How a picture button lays out a single caption: k = (2 * width - 30) /
// font height bytes fit on one line (a Chinese character takes two); a
// longer caption is wrapped over min(length / k + 1, 2) lines.

#include <cstddef>

namespace orelle {

inline int CaptionBytesPerLine(int buttonWidth, int fontHeight) {
    return fontHeight > 0 ? (2 * buttonWidth - 30) / fontHeight : 0;
}

// 1 or 2; gbkBytes is the caption's length in GBK bytes.
inline int CaptionLineCount(int buttonWidth, int fontHeight, std::size_t gbkBytes) {
    const int k = CaptionBytesPerLine(buttonWidth, fontHeight);
    if (k <= 0) return gbkBytes > 0 ? 2 : 1;
    if (gbkBytes <= static_cast<std::size_t>(k)) return 1;
    return gbkBytes / static_cast<std::size_t>(k) + 1 >= 2 ? 2 : 1;
}

}  // namespace orelle
