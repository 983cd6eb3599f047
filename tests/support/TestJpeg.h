#pragma once
// Small JPEG photos made at test time: a colour gradient with a bright
// top-left quadrant (so turns and flips show), quality 90, optionally with
// an EXIF DateTime (tag 306).

#include <string>
#include <utility>
#include <vector>

namespace orelle::testing {

// exifDateTime empty: no EXIF at all. Otherwise tag 306 in IFD 0.
std::string JpegBytes(int w, int h, const std::string& exifDateTime = {});
// One tag 306 entry per pair (IFD index 0..4, text), in that order.
std::string JpegBytesWithDates(int w, int h, const std::vector<std::pair<int, std::string>>& dates);

void WriteJpeg(const std::string& path, int w, int h, const std::string& exifDateTime = {});
// The first keepBytes bytes of the JPEG WriteJpeg would write.
void WriteTruncatedJpeg(const std::string& path, int w, int h, std::size_t keepBytes);

}  // namespace orelle::testing
