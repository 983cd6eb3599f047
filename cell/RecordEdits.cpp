#include "cell/RecordEdits.h"

#include "orderdata/PhotoRecord.h"
#include "orderdata/PrintCatalogue.h"

namespace orelle {
namespace {

void Reframe(PhotoRecord& r) { r.offsetSZX = r.offsetSZY = 0; }

void Unturned(PhotoRecord& r, std::int32_t mode) {
    r.operate = mode;
    r.angle = 0;
    r.scale = 100;
    Reframe(r);
}

}  // namespace

bool ChooseRecordSize(PhotoRecord& r, const PrintCatalogue& catalogue, std::int32_t i) {
    if (i < 0 || i >= catalogue.GetCount()) return false;
    if (r.productID == catalogue.GetCode(r.specIndex)) r.productID = catalogue.GetCode(i);
    r.specIndex = i;
    Reframe(r);
    return true;
}

bool SizeOnlyCrops(const PrintCatalogue& catalogue, std::int32_t specIndex) {
    const PrintSpec* spec = catalogue.At(specIndex);
    return spec && (spec->x < 0 || spec->y < 0);
}

void SetFillMode(PhotoRecord& r) { Unturned(r, kModeWhiteFill); }

void SetCropMode(PhotoRecord& r) { Unturned(r, kModeCrop); }

void SetTurnedCropMode(PhotoRecord& r) {
    r.operate = kModeCrop;
    r.scale = 100;
    Reframe(r);
}

void EnterZoomMode(PhotoRecord& r) {
    r.operate = kModeZoom;
    Reframe(r);
}

void SetZoomScale(PhotoRecord& r, std::int32_t scale) {
    EnterZoomMode(r);
    r.scale = scale;
}

void SetRecordAngle(PhotoRecord& r, std::int32_t angle) {
    r.angle = angle;
    Reframe(r);
}

}  // namespace orelle
