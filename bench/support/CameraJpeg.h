#pragma once
// Camera-like test photos for benchmarks: smooth colour regions under
// strong per-pixel noise, so that entropy decoding dominates as it does for
// real photos (a smooth synthetic picture would flatter reduced decoding).

#include <cstdint>
#include <string>

namespace orelle::bench {

// A quality-90 JPEG of several MB at the default size, with a thumbnail
// in its EXIF block as cameras write it; different seeds give
// different pictures. Throws std::runtime_error when it cannot be written.
void WriteCameraJpeg(const std::string& path, std::uint32_t seed, int w = 4000, int h = 3000);

}  // namespace orelle::bench
