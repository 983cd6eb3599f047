#pragma once
// The few EXIF fields the station reads or rewrites in place, straight in
// the TIFF structure of an EXIF block (what follows "Exif\0\0"). Every
// offset is checked against the block, and a damaged block reads as
// having no such field. Any thread.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/imaging/ByteSpan.h"

namespace orelle {

// The orientation tag (274) of IFD 0, 1 to 8; 1 when it is missing, out of
// range or the block is damaged.
int ExifOrientation(std::string_view tiff);

// Where the JPEG thumbnail of IFD 1 (JPEGInterchangeFormat and its
// length) lies in the block, when it lies wholly inside it.
std::optional<ByteSpan> ExifThumbnail(std::string_view tiff);
// Where that length is stored as one SHORT or LONG, it becomes length.
void SetExifThumbnailLength(char* tiff, std::size_t size, std::uint32_t length);

// Sets the orientation tag to 1 where it is stored; when the picture's
// sides were swapped, also swaps PixelXDimension and PixelYDimension of
// the EXIF IFD. The thumbnail is turned with the picture
// (TurnExifThumbnail). Nothing else changes, not even the block's size.
void MarkExifUpright(char* tiff, std::size_t size, bool sidesSwapped);

}  // namespace orelle
