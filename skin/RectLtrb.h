#pragma once
// The layouts give rectangles as left, top, right, bottom with the right and
// bottom edges outside the rectangle.

#include <QRect>

namespace orelle {

inline QRect RectLtrb(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace orelle
