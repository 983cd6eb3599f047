#pragma once
// Where a popup of size w x h goes from its anchor (x, y): placement 0 below
// right of it, 1 below left, 2 above right, 3 above left. Placement 4 (and
// any other value) is handled by the popup itself.

namespace orelle {

struct PopupOrigin {
    int x = 0;
    int y = 0;
};

inline PopupOrigin PlacePopup(int placement, int x, int y, int w, int h) {
    switch (placement) {
        case 1:
            return {x - w, y};
        case 2:
            return {x, y - h};
        case 3:
            return {x - w, y - h};
        default:
            return {x, y};
    }
}

}  // namespace orelle
