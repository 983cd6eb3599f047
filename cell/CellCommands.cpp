#include "cell/CellCommands.h"

namespace orelle {

CellCommand ClassifyCellCommand(int id) {
    if (id >= 10000 && id <= 10100) return {CellCommandKind::kSize, id - 10000};
    if (id >= 30001 && id <= 40000) return {CellCommandKind::kZoom, id - 30001};
    if (id >= 40001 && id <= 50000) return {CellCommandKind::kNumber, id - 40001};
    if (id >= 50001 && id <= 60000) return {CellCommandKind::kAngle, (id - 50001) % 360};
    if (id > 0 && id < 10000) return {CellCommandKind::kButton, id};
    return {};
}

namespace {

// Cells 0 to 2 are the top row: their popups open below the button; the
// right column's open to the left, so that they stay on the screen.
int Placement(int cellIndex, bool bigView) {
    if (bigView || cellIndex == 2) return 1;
    if (cellIndex == 5) return 3;
    return cellIndex <= 1 ? 0 : 2;
}

bool BelowButton(int cellIndex, bool bigView) { return bigView || cellIndex <= 2; }

}  // namespace

PopupAnchor PrintSizeChooserAnchor(int cellIndex, bool bigView, const Ltrb& button) {
    const bool rightColumn = bigView || cellIndex == 2 || cellIndex == 5;
    return {rightColumn ? button.left + 30 : button.left - 15,
            BelowButton(cellIndex, bigView) ? button.bottom : button.top,
            Placement(cellIndex, bigView)};
}

PopupAnchor QuantityPadAnchor(int cellIndex, bool bigView, const Ltrb& button) {
    return {button.left + 20, BelowButton(cellIndex, bigView) ? button.bottom : button.top,
            Placement(cellIndex, bigView)};
}

PopupAnchor ToolPadAnchor(const Ltrb& button) { return {button.left, button.top, 3}; }

}  // namespace orelle
