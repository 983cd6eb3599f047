#pragma once
// How large a picture the station decodes whole to make its own JPEG copy
// (a HEIF or PNG photo, or a JPEG that must be encoded again to turn).
// The size a file claims is checked before any decoding, so that a file
// claiming a huge picture is refused at once and costs no memory.

namespace orelle {

// 64 M pixels: beyond phones' 48-megapixel photos; decoded as RGB it
// takes a few hundred MB.
constexpr long long kMaxConvertedPixels = 64LL << 20;
constexpr int kMaxConvertedSide = 32768;

constexpr bool FitsConversion(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxConvertedSide && height <= kMaxConvertedSide &&
           width * height <= kMaxConvertedPixels;
}

}  // namespace orelle
