#include "platform/imaging/PhotoKind.h"

#include <array>

namespace orelle {
namespace {

// ISO base media files start with a box "ftyp" whose major brand names the
// format; these brands are HEIF still images and sequences.
bool IsHeifBrand(std::string_view brand) {
    static constexpr std::array<std::string_view, 8> kBrands = {
        "heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"};
    for (std::string_view b : kBrands)
        if (brand == b) return true;
    return false;
}

}  // namespace

PhotoKind SniffPhotoKind(std::string_view head) {
    if (head.size() >= 3 && head.substr(0, 3) == "\xFF\xD8\xFF") return PhotoKind::Jpeg;
    if (head.size() >= 8 && head.substr(0, 8) == "\x89PNG\r\n\x1A\n") return PhotoKind::Png;
    if (head.size() >= 12 && head.substr(4, 4) == "ftyp" && IsHeifBrand(head.substr(8, 4)))
        return PhotoKind::Heif;
    return PhotoKind::None;
}

const char* PhotoKindExtension(PhotoKind kind) {
    switch (kind) {
        case PhotoKind::Jpeg: return ".jpg";
        case PhotoKind::Heif: return ".heic";
        case PhotoKind::Png: return ".png";
        case PhotoKind::None: break;
    }
    return "";
}

}  // namespace orelle
