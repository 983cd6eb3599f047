#pragma once
// A rectangle in a surface's client pixels; right and bottom lie just
// outside it, as in the layers the widget places.

#include <cstdint>

namespace orelle {

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    PixelRect Moved(std::int32_t dx, std::int32_t dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // Left and top inclusive, right and bottom exclusive.
    bool Contains(std::int32_t x, std::int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    bool operator==(const PixelRect&) const = default;
};

}  // namespace orelle
