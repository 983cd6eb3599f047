#pragma once
// Decoding a JPEG held in memory with libjpeg-turbo itself, so that the
// decoder's limits are ours: its memory is capped, it stops after a bounded
// number of scans, and a picture whose data runs out is a failure instead
// of a success filled with grey. Callable from any thread.

#include <QImage>
#include <string_view>

namespace orelle {

// What one decode may allocate inside libjpeg (a progressive picture keeps
// all its coefficients: 16384 x 16384 in 4:2:0 takes about 800 MB).
constexpr long kJpegDecodeMemory = 1L << 30;

// The picture at 1/denominator (1, 2, 4 or 8) of its size, ceil(w/d) x
// ceil(h/d): RGB32, or Grayscale8 for a grey photo. A null image for bytes
// that ReadJpegLayout refuses, or that libjpeg cannot decode within the
// limits, or whose data ends early.
QImage DecodeJpeg(std::string_view bytes, int denominator);

}  // namespace orelle
