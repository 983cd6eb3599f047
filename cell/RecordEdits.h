#pragma once
// What a cell's framing edits write into the photo's record, without
// windows. Every edit frames the photo anew: its offsets go back to 0.

#include <cstdint>

namespace orelle {

class PrintCatalogue;
struct PhotoRecord;

// Print size i of the catalogue. A product code that the shop set apart
// from the size's own code stays. False, and nothing changes, outside the
// catalogue.
bool ChooseRecordSize(PhotoRecord& r, const PrintCatalogue& catalogue, std::int32_t i);
// A size with a side below 0 has no paper to fit a whole photo on: it
// only crops.
bool SizeOnlyCrops(const PrintCatalogue& catalogue, std::int32_t specIndex);
// White-border fill or crop: unturned, at 100 %.
void SetFillMode(PhotoRecord& r);
void SetCropMode(PhotoRecord& r);
// Crop mode at 100 %, the angle kept.
void SetTurnedCropMode(PhotoRecord& r);
// Zoom mode, at its scale so far or at a new one; the angle stays.
void EnterZoomMode(PhotoRecord& r);
void SetZoomScale(PhotoRecord& r, std::int32_t scale);
void SetRecordAngle(PhotoRecord& r, std::int32_t angle);

}  // namespace orelle
