#pragma once
// Recording a shot date (tag 306) in a JPEG, as a camera does: for the
// sample photos and the tests' photos.

#include <string>
#include <utility>
#include <vector>

namespace orelle {

// The JPEG with an EXIF segment right after its start marker holding one
// tag 306 entry per pair (IFD index 0..4, text), in that order. No pairs:
// the bytes as they are. Throws std::runtime_error when the segment
// would not fit.
std::string WithShotDates(std::string jpeg, const std::vector<std::pair<int, std::string>>& dates);

}  // namespace orelle
