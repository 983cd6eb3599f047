#pragma once
// Small JPEG photos made at test time: a colour gradient with a bright
// top-left quadrant (so turns and flips show), quality 90, optionally with
// an EXIF DateTime (tag 306).

#include <cstddef>
#include <string>

namespace orelle::testing {

// exifDateTime empty: no EXIF at all. Otherwise tag 306 in IFD 0.
std::string JpegBytes(int w, int h, const std::string& exifDateTime = {});

void WriteJpeg(const std::string& path, int w, int h, const std::string& exifDateTime = {});
// The first keepBytes bytes of the JPEG WriteJpeg would write.
void WriteTruncatedJpeg(const std::string& path, int w, int h, std::size_t keepBytes);

}  // namespace orelle::testing
