// The commands of a photo cell: its buttons and its popups' answers.
#include <QPointer>

#include "cell/CellCommands.h"
#include "cell/CellTexts.h"
#include "cell/PhotoCell.h"
#include "cell/PrintSizeChooser.h"
#include "cell/RecordEdits.h"
#include "cell/ValuePad.h"
#include "orderdata/OrderSession.h"
#include "orderdata/PhotoRecord.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/text/NumberText.h"
#include "skin/BitmapButton.h"
#include "skin/ShowNotice.h"

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
            return;
    }
    context_.host.RecordEdited();
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

void PhotoCell::Reframe(const Reframing& f) {
    surface.ShowLayers(false);
    surface.SetOffsets(0, 0);
    if (f.spec) surface.SetSpec(*f.spec);
    if (f.scale) surface.SetScale(*f.scale);
    // The mode before the angle: each shows the picture again, and the
    // last one shows it turned.
    if (f.mode) surface.SetMode(*f.mode);
    if (f.angle) surface.Rotate(*f.angle);
    surface.Refresh();
    surface.RefreshControls();
    surface.ShowLayers(true);
}

void PhotoCell::ShowFramingTexts() {
    SetButtonText(cellid::kCropFill, CropFillText(surface.framing.mode));
    SetButtonText(cellid::kZoom, ZoomText(scale));
    SetButtonText(cellid::kRotation, AngleText(angle));
}

void PhotoCell::ChooseSize(std::int32_t i) {
    const PrintCatalogue& catalogue = context_.catalogue;
    if (i < 0 || i >= catalogue.GetCount()) return;
    specIndex = i;
    if (PhotoRecord* r = CurrentRecord()) ChooseRecordSize(*r, catalogue, i);
    SetButtonText(cellid::kPrintSize, PrintSizeText(catalogue.GetName(i)));
    Reframing f{.spec = i};
    if (SizeOnlyCrops(catalogue, i)) f.mode = kModeCrop;
    Reframe(f);
    context_.host.RecordChanged();
}

void PhotoCell::SwitchToFill() {
    PhotoRecord* r = CurrentRecord();
    if (!r || surface.framing.mode == kModeWhiteFill || surface.framing.frameTurned) return;
    // The size shown, the record's, decides whether the photo can be
    // fitted on the paper.
    if (SizeOnlyCrops(context_.catalogue, r->specIndex)) return;
    SetFillMode(*r);
    angle = 0;
    scale = 100;
    Reframe({.scale = 100, .mode = kModeWhiteFill, .angle = 0});
    ShowFramingTexts();
}

void PhotoCell::SwitchToCrop() {
    PhotoRecord* r = CurrentRecord();
    if (!r || surface.framing.mode == kModeCrop) return;
    SetCropMode(*r);
    angle = 0;
    scale = 100;
    Reframe({.scale = 100, .mode = kModeCrop, .angle = 0});
    ShowFramingTexts();
}

void PhotoCell::KeepFaces() {
    PhotoRecord* r = CurrentRecord();
    if (context_.busy || !r || !surface.HasImage()) return;
    if (!Allows(cellid::kCropFill, context_.session.nOrderType)) return;
    if (!surface.CanKeepFaces()) {
        const bool canFill =
            !surface.framing.frameTurned && !SizeOnlyCrops(context_.catalogue, r->specIndex);
        if (!canFill) {
            ShowNotice("提示", kFacesTooWideText, 1, false, this);
        } else if (ShowNotice("提示", std::string(kFacesTooWideText) + "\r\n" + kFillForFacesText,
                              2, true, this) == 0) {
            SwitchToFill();
        }
        return;
    }
    if (surface.framing.mode != kModeCrop || scale != 100) {
        SetTurnedCropMode(*r);
        scale = 100;
        Reframe({.scale = 100, .mode = kModeCrop, .angle = angle});
        ShowFramingTexts();
    }
    surface.KeepFaces();
}

void PhotoCell::OpenZoomPad() {
    if (surface.framing.mode != kModeZoom) {
        scale = 100;
        if (PhotoRecord* r = CurrentRecord()) EnterZoomMode(*r);
        Reframe({.scale = 100, .mode = kModeZoom, .angle = angle});
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
    if (r) SetZoomScale(*r, scale);
    Reframing f{.scale = scale, .mode = kModeZoom};
    if (r && r->angle != 0) f.angle = r->angle;
    Reframe(f);
}

void PhotoCell::SetAngle(std::int32_t a) {
    if (a == angle) return;
    angle = a;
    SetButtonText(cellid::kRotation, AngleText(a));
    if (PhotoRecord* r = CurrentRecord()) SetRecordAngle(*r, a);
    Reframe({.angle = a});
}

void PhotoCell::ToggleDate() {
    PhotoRecord* r = CurrentRecord();
    if (!r) return;
    // Nothing to stamp: the customer hears why instead of seeing no stamp.
    if (!r->adddatetime && surface.shotDate.empty()) {
        ShowNotice("提示", kNoShotDateNotice, 1, false, this);
        return;
    }
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
