#include "platform/imaging/StationCopy.h"

#include <array>
#include <optional>

#include "platform/files/FileSystem.h"
#include "platform/imaging/ExifTiff.h"
#include "platform/imaging/JpegWriter.h"
#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/UprightJpeg.h"

namespace orelle {
namespace {

// Enough for the EXIF segment of any camera, which comes first.
constexpr std::size_t kHeadBytes = std::size_t{128} << 10;

// The brands of still HEIF pictures (HEVC coded or generic).
bool IsHeifBrand(std::string_view brand) {
    static constexpr std::array<std::string_view, 8> kBrands{"heic", "heix", "heim", "heis",
                                                             "hevc", "hevx", "mif1", "msf1"};
    for (std::string_view b : kBrands)
        if (brand == b) return true;
    return false;
}

bool IsHeif(std::string_view head) {
    if (head.size() < 16 || head.substr(4, 4) != "ftyp") return false;
    const auto byte = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(head[i])); };
    const std::size_t box = std::min(head.size(), byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
    if (IsHeifBrand(head.substr(8, 4))) return true;
    for (std::size_t at = 16; at + 4 <= box; at += 4)
        if (IsHeifBrand(head.substr(at, 4))) return true;
    return false;
}

StationCopy Made(PhotoKind kind, const DecodedPhoto& photo) {
    StationCopy copy;
    copy.kind = kind;
    if (photo.picture.isNull()) return copy;
    std::string jpeg = EncodeJpeg(photo.picture, kCopyQuality, ExifSegment(photo.exif));
    if (jpeg.empty()) return copy;
    copy.asIs = false;
    copy.made = std::move(jpeg);
    return copy;
}

}  // namespace

PhotoKind PhotoKindOf(std::string_view head) {
    if (head.size() >= 3 && head.substr(0, 3) == "\xFF\xD8\xFF") return PhotoKind::kJpeg;
    if (head.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return PhotoKind::kPng;
    if (IsHeif(head)) return PhotoKind::kHeif;
    return PhotoKind::kUnknown;
}

StationCopy StationCopyFromBytes(std::string_view bytes) {
    StationCopy copy;
    copy.kind = PhotoKindOf(bytes.substr(0, 64));
    switch (copy.kind) {
        case PhotoKind::kJpeg:
            if (std::optional<UprightJpeg> upright = TurnJpegUpright(bytes)) {
                copy.asIs = false;
                copy.made = std::move(upright->bytes);
                copy.lossless = upright->lossless;
            }
            return copy;
        case PhotoKind::kPng:
            return Made(copy.kind, DecodePng(bytes));
        case PhotoKind::kHeif:
            return Made(copy.kind, DecodeHeif(bytes));
        case PhotoKind::kUnknown:
            return copy;
    }
    return copy;
}

StationCopy PrepareStationCopy(FileSystem& fs, const std::string& path) {
    std::string head;
    if (!fs.ReadFilePart(path, 0, kHeadBytes, &head)) return {};
    const PhotoKind kind = PhotoKindOf(head);
    if (kind == PhotoKind::kUnknown) return {};
    // Most photos: a JPEG standing upright already is copied as it is.
    if (kind == PhotoKind::kJpeg && JpegOrientation(head) == 1) {
        StationCopy copy;
        copy.kind = kind;
        return copy;
    }
    std::string bytes;
    if (!ReadPhotoBytes(fs, path, &bytes)) {
        StationCopy copy;
        copy.kind = kind;
        return copy;
    }
    return StationCopyFromBytes(bytes);
}

}  // namespace orelle
