#pragma once
// The geometry of the notice box: 290 wide, a static of 13 pixels a line at
// (25, 35), width 240; a one-line text of 40 bytes or more takes
// length / 40 + 1 lines.

#include <cstddef>

namespace orelle {

struct NoticeLayout {
    static constexpr int kWidth = 290;
    static constexpr int kLineHeight = 13;
    static constexpr int kBytesPerLine = 40;

    int lines = 1;
    int staticHeight = 13;
    int height = 145;
    // "确定" (and "取消") as left, top, right, bottom.
    int okLeft = 65, okRight = 135, cancelLeft = 155, cancelRight = 225;
    int buttonTop = 65, buttonBottom = 125;

    static NoticeLayout For(std::size_t textGbkBytes, int lineCount, bool withCancel) {
        NoticeLayout l;
        l.lines = lineCount;
        if (lineCount == 1 && textGbkBytes >= kBytesPerLine) {
            l.lines = static_cast<int>(textGbkBytes / kBytesPerLine) + 1;
        }
        if (l.lines < 1) l.lines = 1;  // no negative or empty static
        l.staticHeight = kLineHeight * l.lines;
        l.height = kLineHeight * l.lines + 132;
        l.buttonTop = l.height - 80;
        l.buttonBottom = l.height - 20;
        if (!withCancel) {
            l.okLeft = 110;
            l.okRight = 180;
        }
        return l;
    }
};

}  // namespace orelle
