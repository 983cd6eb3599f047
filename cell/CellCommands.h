#pragma once
// How a photo cell reads the command ids it receives, and where it opens
// its popups. No windows.

#include <cstdint>

#include "cell/CellLayout.h"

namespace orelle {

enum class CellCommandKind { kButton, kSize, kZoom, kNumber, kAngle, kNone };

struct CellCommand {
    CellCommandKind kind = CellCommandKind::kNone;
    std::int32_t value = 0;  // the size index, zoom v, quantity or angle
};

// The popup ranges are tested in this order, so 40000 is still a zoom and
// 50000 a quantity. Ids below 10000 are the cell's buttons.
CellCommand ClassifyCellCommand(int id);

struct PopupAnchor {
    int x = 0;
    int y = 0;
    int placement = 0;
};

// button is the pressed button's rectangle in screen pixels.
PopupAnchor PrintSizeChooserAnchor(int cellIndex, bool bigView, const Ltrb& button);
PopupAnchor QuantityPadAnchor(int cellIndex, bool bigView, const Ltrb& button);
// The zoom pad and the rotation strip (which places itself).
PopupAnchor ToolPadAnchor(const Ltrb& button);

}  // namespace orelle
