#pragma once
// The structure of a JPEG file read from its markers alone, before any
// decoder sees it. Files from customers' cards are hostile: the walk is
// linear in the bytes, allocates nothing, and refuses the shapes that cost
// a decoder far more than the file is worth (floods of segments or scans,
// a frame far larger than its bytes could fill).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/imaging/ByteSpan.h"

namespace orelle {

struct JpegLayout {
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = false;
    bool arithmetic = false;
    int scans = 0;  // counted by ReadJpegLayout only
};

// Far beyond what any camera or editor writes.
constexpr int kMaxJpegSegments = 4096;
constexpr int kMaxJpegScans = 100;
// 1 G pixels: larger than any camera's photo, and a frame a decoder can
// still hold scaled down.
constexpr long long kMaxJpegPixels = 1LL << 30;

// The frame header only: walks the segments from the start up to the
// first frame marker. Nothing when the bytes end first, when they are not
// a JPEG, or when a side is 0 or the picture is too large.
std::optional<JpegLayout> ReadJpegFrame(std::string_view bytes);

// The whole file: every segment up to the end marker is walked (the
// compressed data is skipped with a search for its next marker) and the
// scans are counted. Nothing when the frame cannot be read, when there
// are too many segments or scans, when the end marker is missing, or when
// the compressed data is too small for the frame's size.
std::optional<JpegLayout> ReadJpegLayout(std::string_view bytes);

// Where the EXIF block (the TIFF structure after "Exif\0\0") of the first
// EXIF APP1 segment lies in the bytes, looked for before the first scan.
std::optional<ByteSpan> FindJpegExif(std::string_view bytes);

// The whole APPn and COM segments before the first scan, in order, as
// they are stored (marker and length included), without the ones that
// describe the stored colours (APP0 JFIF, APP14 Adobe; APP2 too when
// keepIcc is false): what a new encoding of the same picture keeps.
std::string JpegMetadataSegments(std::string_view bytes, bool keepIcc);

}  // namespace orelle
