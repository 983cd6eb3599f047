#include "platform/imaging/PhotoKind.h"

#include <algorithm>
#include <array>

namespace orelle {
namespace {

// ISO base media files start with a box "ftyp" whose brands name the
// format; these are HEIF still pictures (HEVC coded or generic) and
// sequences.
bool IsHeifBrand(std::string_view brand) {
    static constexpr std::array<std::string_view, 8> kBrands{"heic", "heix", "heim", "heis",
                                                             "hevc", "hevx", "mif1", "msf1"};
    return std::find(kBrands.begin(), kBrands.end(), brand) != kBrands.end();
}

// The major brand, or one of the compatible brands within the box.
bool IsHeif(std::string_view head) {
    if (head.size() < 16 || head.substr(4, 4) != "ftyp") return false;
    const auto byte = [&](std::size_t i) {
        return static_cast<std::size_t>(static_cast<unsigned char>(head[i]));
    };
    const std::size_t box =
        std::min(head.size(), byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
    if (IsHeifBrand(head.substr(8, 4))) return true;
    for (std::size_t at = 16; at + 4 <= box; at += 4)
        if (IsHeifBrand(head.substr(at, 4))) return true;
    return false;
}

}  // namespace

PhotoKind PhotoKindOf(std::string_view head) {
    head = head.substr(0, kPhotoKindHeadBytes);
    if (head.size() >= 3 && head.substr(0, 3) == "\xFF\xD8\xFF") return PhotoKind::kJpeg;
    if (head.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return PhotoKind::kPng;
    if (IsHeif(head)) return PhotoKind::kHeif;
    return PhotoKind::kUnknown;
}

const char* PhotoKindExtension(PhotoKind kind) {
    switch (kind) {
        case PhotoKind::kJpeg: return ".jpg";
        case PhotoKind::kHeif: return ".heic";
        case PhotoKind::kPng: return ".png";
        case PhotoKind::kUnknown: break;
    }
    return "";
}

}  // namespace orelle
