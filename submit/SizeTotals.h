#pragma once
// The prints ordered per print size: for every photo the customer has seen
// with at least one print, its number counts towards its size. Sizes
// outside the catalogue (none chosen, or a catalogue that shrank) count
// nowhere, as they have neither name, code nor price.

#include <cstdint>
#include <vector>

namespace orelle {

class PhotoList;

// One total per catalogue index, 0 .. sizeCount-1.
std::vector<std::int64_t> SizeTotals(const PhotoList& list, std::int32_t sizeCount);

}  // namespace orelle
