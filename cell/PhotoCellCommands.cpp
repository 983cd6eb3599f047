// The commands of a photo cell: its buttons and its popups' answers.
#include <QPointer>

#include "cell/CellCommands.h"
#include "cell/CellTexts.h"
#include "cell/PhotoCell.h"
#include "cell/PrintSizeChooser.h"
#include "cell/ValuePad.h"
#include "orderdata/OrderSession.h"
#include "orderdata/PhotoRecord.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/text/NumberText.h"
#include "skin/BitmapButton.h"

namespace orelle {
namespace {

// Order type 1 orders as it is: no size or framing changes; type 2 is a
// package: no quantity changes.
bool Allows(int id, std::int32_t orderType) {
    switch (id) {
        case cellid::kPrintSize:
        case cellid::kCropFill:
        case cellid::kZoom:
        case cellid::kRotation:
            return orderType == 0;
        case cellid::kMinus:
        case cellid::kQuantity:
        case cellid::kPlus:
            return orderType != 2;
        default:
            return true;
    }
}

}  // namespace

Ltrb PhotoCell::ScreenRect(const BitmapButton* b) const {
    const QRect g = b->geometry();
    const QPoint tl = mapToGlobal(g.topLeft());
    return {tl.x(), tl.y(), tl.x() + g.width(), tl.y() + g.height()};
}

void PhotoCell::OnCommand(int id) {
    // The list belongs to the worker while it runs.
    if (context_.busy) return;
    const CellCommand c = ClassifyCellCommand(id);
    switch (c.kind) {
        case CellCommandKind::kButton:
            ButtonCommand(id);
            break;
        case CellCommandKind::kSize:
            if (surface.HasImage()) ChooseSize(c.value);
            break;
        case CellCommandKind::kZoom:
            if (surface.HasImage()) ZoomCommand(c.value);
            break;
        case CellCommandKind::kNumber:
            SetNumber(c.value);
            break;
        case CellCommandKind::kAngle:
            SetAngle(c.value);
            break;
        case CellCommandKind::kNone:
            break;
    }
}

void PhotoCell::ButtonCommand(int id) {
    if (id == cellid::kFreeCrop || !surface.HasImage()) return;
    if (!Allows(id, context_.session.nOrderType)) return;
    switch (id) {
        case cellid::kPrintSize:
            OpenPrintSizeChooser();
            break;
        case cellid::kMinus:
            SetNumber(number > 0 ? number - 1 : 0);
            break;
        case cellid::kQuantity:
            OpenQuantityPad();
            break;
        case cellid::kPlus:
            SetNumber(number + 1);
            break;
        case cellid::kCropFill:
            if (surface.framing.mode == kModeCrop) {
                SwitchToFill();
            } else {
                SwitchToCrop();
            }
            break;
        case cellid::kZoom:
            OpenZoomPad();
            break;
        case cellid::kRotation:
            OpenRotationStrip();
            break;
        case cellid::kBack:
            ToggleBigView();
            break;
        case cellid::kUp:
            surface.Nudge(3);
            break;
        case cellid::kLeft:
            surface.Nudge(1);
            break;
        case cellid::kRight:
            surface.Nudge(2);
            break;
        case cellid::kDown:
            surface.Nudge(4);
            break;
        case cellid::kDate:
            ToggleDate();
            break;
        default:
            break;
    }
}

void PhotoCell::OpenPrintSizeChooser() {
    const PopupAnchor at =
        PrintSizeChooserAnchor(cellIndex, bigView, ScreenRect(Button(cellid::kPrintSize)));
    // Deletes itself.
    new PrintSizeChooser(at.x, at.y, this, at.placement, context_.catalogue, context_.showofile);
}

void PhotoCell::OpenQuantityPad() {
    const PopupAnchor at =
        QuantityPadAnchor(cellIndex, bigView, ScreenRect(Button(cellid::kQuantity)));
    new ValuePad(kQuantityPad, text::IntText(number), at.x, at.y, at.placement, this);
}

void PhotoCell::OpenRotationStrip() {
    const PopupAnchor at = ToolPadAnchor(ScreenRect(Button(cellid::kRotation)));
    new ValuePad(kRotationStrip, text::IntText(angle), at.x, at.y, at.placement, this);
}

void PhotoCell::ChooseSize(std::int32_t i) {
    const PrintCatalogue& catalogue = context_.catalogue;
    if (i < 0 || i >= catalogue.GetCount()) return;
    specIndex = i;
    surface.ShowLayers(false);
    if (PhotoRecord* r = CurrentRecord()) {
        // A product code set apart from the size is the shop's: keep it.
        if (r->productID == catalogue.GetCode(r->specIndex)) r->productID = catalogue.GetCode(i);
        r->specIndex = i;
        r->offsetSZX = r->offsetSZY = 0;
    }
    surface.SetOffsets(0, 0);
    SetButtonText(cellid::kPrintSize, PrintSizeText(catalogue.GetName(i)));
    surface.SetSpec(i);
    const PrintSpec* spec = catalogue.At(i);
    if (spec && (spec->x < 0 || spec->y < 0)) surface.SetMode(kModeCrop);
    surface.Refresh();
    surface.ShowLayers(true);
}

void PhotoCell::SwitchToFill() {
    PhotoRecord* r = CurrentRecord();
    if (!r || surface.framing.mode == kModeWhiteFill || surface.framing.frameTurned) return;
    // The size shown, the record's, decides whether the photo can be
    // fitted on the paper.
    const PrintSpec* spec = context_.catalogue.At(r->specIndex);
    if (spec && (spec->x < 0 || spec->y < 0)) return;
    r->operate = kModeWhiteFill;
    r->offsetSZX = r->offsetSZY = 0;
    surface.SetOffsets(0, 0);
    r->angle = angle = 0;
    surface.Rotate(0);
    r->scale = scale = 100;
    surface.SetScale(100);
    surface.ShowLayers(false);
    surface.SetMode(kModeWhiteFill);
    surface.Refresh();
    surface.RefreshControls();
    SetButtonText(cellid::kCropFill, CropFillText(kModeWhiteFill));
    SetButtonText(cellid::kZoom, ZoomText(scale));
    SetButtonText(cellid::kRotation, AngleText(angle));
    surface.ShowLayers(true);
}

void PhotoCell::SwitchToCrop() {
    PhotoRecord* r = CurrentRecord();
    if (!r || surface.framing.mode == kModeCrop) return;
    r->angle = angle = 0;
    r->scale = scale = 100;
    surface.ShowLayers(false);
    r->operate = kModeCrop;
    r->offsetSZX = r->offsetSZY = 0;
    surface.SetOffsets(0, 0);
    surface.SetMode(kModeCrop);
    surface.Rotate(0);
    surface.SetScale(100);
    surface.Refresh();
    SetButtonText(cellid::kCropFill, CropFillText(kModeCrop));
    SetButtonText(cellid::kZoom, ZoomText(scale));
    SetButtonText(cellid::kRotation, AngleText(angle));
    surface.ShowLayers(true);
}

void PhotoCell::OpenZoomPad() {
    if (surface.framing.mode != kModeZoom) {
        surface.ShowLayers(false);
        scale = 100;
        surface.SetScale(100);
        if (PhotoRecord* r = CurrentRecord()) {
            r->operate = kModeZoom;
            r->offsetSZX = r->offsetSZY = 0;
        }
        surface.SetOffsets(0, 0);
        surface.SetMode(kModeZoom);
        surface.Rotate(angle);
        surface.Refresh();
        surface.ShowLayers(true);
    }
    const PopupAnchor at = ToolPadAnchor(ScreenRect(Button(cellid::kZoom)));
    new ValuePad(kZoomPad, text::IntText(scale), at.x, at.y, at.placement, this);
}

void PhotoCell::ZoomCommand(std::int32_t v) {
    if (v <= 0) return;
    PhotoRecord* r = CurrentRecord();
    if (v == 1) {
        // Zoom 0 is the frame-turn key; outside zoom mode it would blank
        // the photo, so it does nothing there.
        if (surface.framing.mode == kModeZoom) {
            if (r) r->frameTurned = r->frameTurned ? 0 : 1;
            surface.ToggleFit();
        }
        return;
    }
    scale = v - 1;
    SetButtonText(cellid::kZoom, ZoomText(scale));
    surface.ShowLayers(false);
    if (r) {
        r->operate = kModeZoom;
        r->scale = scale;
        r->offsetSZX = r->offsetSZY = 0;
    }
    surface.SetOffsets(0, 0);
    surface.SetScale(scale);
    surface.SetMode(kModeZoom);
    if (r && r->angle != 0) surface.Rotate(r->angle);
    surface.Refresh();
    surface.ShowLayers(true);
}

void PhotoCell::SetAngle(std::int32_t a) {
    if (a == angle) return;
    angle = a;
    SetButtonText(cellid::kRotation, AngleText(a));
    surface.ShowLayers(false);
    if (PhotoRecord* r = CurrentRecord()) {
        r->offsetSZX = r->offsetSZY = 0;
        r->angle = a;
    }
    surface.SetOffsets(0, 0);
    surface.Rotate(a);
    surface.Refresh();
    surface.ShowLayers(true);
}

void PhotoCell::ToggleDate() {
    PhotoRecord* r = CurrentRecord();
    if (!r) return;
    r->adddatetime = r->adddatetime ? 0 : 1;
    dateButton->captionColour = r->adddatetime ? QColor(255, 0, 0) : QColor(Qt::black);
    SetButtonText(cellid::kDate, DateText(r->adddatetime));
    if (r->adddatetime) {
        surface.ImprintDate();
    } else {
        ShowRecord(r);  // reloads the photo without the stamp
    }
}

}  // namespace orelle
