#pragma once
// The preview a camera or phone embeds in a JPEG (the EXIF thumbnail of
// IFD 1), for showing something of a photo in the time its picture takes
// to decode. Only the head of the file is looked at, and the preview is
// decoded within JpegDecoder's bounds and a size of its own. Safe on any
// bytes; any thread.

#include <QImage>
#include <QSize>
#include <cstddef>
#include <string_view>

namespace orelle {

// A preview claiming more pixels than this is not worth its decoding time.
constexpr long long kMaxPreviewPixels = 4LL << 20;

// The preview of the photo whose first bytes are head and whose picture is
// full pixels large (as it is seen), turned by the file's EXIF orientation
// as its picture is (a copy turned upright in its place has its thumbnail
// turned with it and the tag at 1: MarkExifUpright), cut to the picture's
// proportions (cameras letterbox the thumbnails of wide photos), decoded
// at the largest reduction that still covers atLeast. Null when there is
// none, it is damaged or too large, or it lies turned against the picture
// (landscape for a portrait photo or the other way round).
QImage DecodeEmbeddedPreview(std::string_view head, QSize full, QSize atLeast = {});

// Turns the thumbnail of the EXIF block (the TIFF structure) upright by
// orientation, in place: encoded anew into its old bytes, with its length
// the new one. One that cannot be turned or does not fit gets the length
// 0, so that nobody shows it turned against its picture.
void TurnExifThumbnail(char* tiff, std::size_t size, int orientation);

}  // namespace orelle
