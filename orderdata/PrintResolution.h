#pragma once
// How many of the photo's pixels fall on an inch of its print, as the
// photo is framed: the crop (and the zoomed crop) spreads the pixels of
// the frame's region over the whole print, the white-border fill the whole
// photo over the part of the paper it covers. The shop's threshold
// (param.ini [quality] mindpi) marks photos that print blurred; nothing is
// refused for it.

#include <cstdint>
#include <optional>
#include <vector>

#include "orderdata/PhotoRecord.h"

namespace orelle {

class FileSystem;
class PhotoList;
class PrintCatalogue;

// Pixels per inch of a photo of width x height file pixels, framed as the
// record says, on a print of x by y inches (x across a portrait photo).
// Nothing when it cannot be told: no pixel size, a print without a size,
// an unknown mode or scale.
std::optional<double> EffectiveDpi(const PhotoRecord& record, std::int32_t width,
                                   std::int32_t height, float x, float y);
// With the record's own print size from the catalogue.
std::optional<double> EffectiveDpi(const PhotoRecord& record, std::int32_t width,
                                   std::int32_t height, const PrintCatalogue& catalogue);

// True when the framed photo gives fewer than minDpi pixels per inch; never
// with minDpi 0 or below, or when the resolution cannot be told.
bool BelowMinDpi(const PhotoRecord& record, std::int32_t width, std::int32_t height,
                 const PrintCatalogue& catalogue, std::int32_t minDpi);

// The list indexes of the order's photos (seen, with prints) whose pixel
// size is known and that are below minDpi, in list order.
std::vector<std::int32_t> LowResolutionPhotos(const PhotoList& list,
                                              const PrintCatalogue& catalogue, std::int32_t minDpi);

// Reads the pixel size of the order's photos that no cell has shown (the
// jump to the last page counts every photo as seen) from their headers,
// -1 where a header does not read. On a worker that owns the list.
void ReadMissingPixelSizes(PhotoList& list, FileSystem& fs);

}  // namespace orelle
