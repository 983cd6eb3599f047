#pragma once
// JPEG files as a card may bring them: made with libjpeg row by row (so a
// 16384 x 16384 photo costs no full-size picture in memory), and bent into
// the shapes that hurt decoders.

#include <string>

namespace orelle::testing {

enum class JpegKind { kRgb, kGrey, kCmyk };

// A smooth picture of w x h; baseline or progressive.
std::string EncodedJpeg(int w, int h, JpegKind kind = JpegKind::kRgb, bool progressive = false);

// The frame header claims w x h; the data stays as it was.
std::string WithFrameSize(std::string jpeg, int w, int h);
// n empty comment segments right after the start marker.
std::string WithCommentFlood(const std::string& jpeg, int n);
// n scans without data before the end marker (a progressive file's last
// scan header, repeated).
std::string WithEmptyScans(const std::string& jpeg, int n);
// The first `keep` bytes, closed by an end marker.
std::string CutAndClosed(const std::string& jpeg, std::size_t keep);
// A few stray bytes between two header segments: decoders warn and go on.
std::string WithStrayBytes(std::string jpeg);

}  // namespace orelle::testing
