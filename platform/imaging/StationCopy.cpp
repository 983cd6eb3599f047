#include "platform/imaging/StationCopy.h"

#include <optional>

#include "platform/files/FileSystem.h"
#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/PictureOnPaper.h"
#include "platform/imaging/UprightJpeg.h"

namespace orelle {
namespace {

// Enough for the EXIF segment of any camera, which comes first.
constexpr std::size_t kHeadBytes = std::size_t{128} << 10;

StationCopy Made(PhotoKind kind, std::string jpeg) {
    StationCopy copy;
    copy.kind = kind;
    if (jpeg.empty()) return copy;
    copy.asIs = false;
    copy.made = std::move(jpeg);
    return copy;
}

}  // namespace

StationCopy StationCopyFromBytes(std::string_view bytes) {
    StationCopy copy;
    copy.kind = PhotoKindOf(bytes);
    switch (copy.kind) {
        case PhotoKind::kJpeg:
            if (std::optional<UprightJpeg> upright = TurnJpegUpright(bytes)) {
                copy.asIs = false;
                copy.made = std::move(upright->bytes);
                copy.lossless = upright->lossless;
            }
            return copy;
        case PhotoKind::kPng:
            return Made(copy.kind, PngAsJpeg(bytes));
        case PhotoKind::kHeif:
            return Made(copy.kind, CopyJpeg(DecodeHeif(bytes)));
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
    if (kind == PhotoKind::kJpeg) {
        StationCopy copy;
        copy.kind = kind;
        copy.turnLater = JpegOrientation(head) != 1;
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

bool TurnCopyUpright(FileSystem& fs, const std::string& path) {
    std::string bytes;
    if (!fs.ReadFilePart(path, 0, kHeadBytes, &bytes)) return false;
    if (PhotoKindOf(bytes) != PhotoKind::kJpeg || JpegOrientation(bytes) == 1) return false;
    if (!ReadPhotoBytes(fs, path, &bytes)) return false;
    const std::optional<UprightJpeg> upright = TurnJpegUpright(bytes);
    return upright && fs.ReplaceFile(path, upright->bytes);
}

}  // namespace orelle
