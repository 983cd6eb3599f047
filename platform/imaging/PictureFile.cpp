#include "platform/imaging/PictureFile.h"

#include "platform/files/FileSystem.h"
#include "platform/imaging/JpegDecoder.h"
#include "platform/imaging/JpegLayout.h"
#include "platform/imaging/PictureRotation.h"
#include "platform/imaging/UprightJpeg.h"

namespace orelle {
namespace {

int MaxDenominator(int level) {
    if (level <= 0) return 1;
    return level == 1 ? 4 : 8;
}

int CeilDiv(int a, int d) { return (a + d - 1) / d; }

// The first part read for a header; most cameras put it in the first 64 KB.
constexpr std::size_t kFirstHeadPart = std::size_t{64} << 10;

}  // namespace

std::optional<QSize> ReadPixelSize(FileSystem& fs, const std::string& path, std::string* kept) {
    // The head grows in doubling parts: a photo's header costs a small
    // read, a file without a frame at most kPhotoHeadLimit bytes, and the
    // walks over it add up to twice that.
    std::string own;
    std::string& head = kept ? *kept : own;
    head.clear();
    std::string part;
    for (std::size_t want = kFirstHeadPart;; want *= 2) {
        if (!fs.ReadFilePart(path, head.size(), want - head.size(), &part)) return std::nullopt;
        head += part;
        if (std::optional<QSize> size = PixelSizeFromBytes(head)) return size;
        if (head.size() < want || want >= kPhotoHeadLimit) return std::nullopt;
    }
}

std::optional<QSize> ReadPixelSize(const std::string& path) {
    return ReadPixelSize(FileSystem::Default(), path);
}

std::optional<QSize> PixelSizeFromBytes(std::string_view bytes) {
    const std::optional<JpegLayout> frame = ReadJpegFrame(bytes);
    if (!frame) return std::nullopt;
    const QSize stored(frame->width, frame->height);
    return OrientationSwapsSides(JpegOrientation(bytes)) ? stored.transposed() : stored;
}

int ReducedDenominator(QSize full, int level, QSize atLeast) {
    int d = MaxDenominator(level);
    if (atLeast.isEmpty()) return d;
    while (d > 1 && (CeilDiv(full.width(), d) < atLeast.width() ||
                     CeilDiv(full.height(), d) < atLeast.height())) {
        d /= 2;
    }
    return d;
}

bool ReadPhotoBytes(FileSystem& fs, const std::string& path, std::string* bytes) {
    if (fs.ReadFilePart(path, 0, kMaxPhotoBytes + 1, bytes) && bytes->size() <= kMaxPhotoBytes)
        return true;
    bytes->clear();
    return false;
}

QImage DecodeReduced(FileSystem& fs, const std::string& path, int level, QSize atLeast) {
    std::string bytes;
    if (!ReadPhotoBytes(fs, path, &bytes)) return {};
    return DecodeReducedFromBytes(bytes, level, atLeast);
}

QImage DecodeReduced(const std::string& path, int level, QSize atLeast) {
    return DecodeReduced(FileSystem::Default(), path, level, atLeast);
}

QImage DecodeReducedFromBytes(std::string_view bytes, int level, QSize atLeast) {
    const std::optional<JpegLayout> frame = ReadJpegFrame(bytes);
    if (!frame) return {};
    const int orientation = JpegOrientation(bytes);
    const bool swaps = OrientationSwapsSides(orientation);
    const int d = ReducedDenominator({frame->width, frame->height}, level,
                                     swaps ? atLeast.transposed() : atLeast);
    const QImage stored = DecodeJpeg(bytes, d);
    return orientation == 1 ? stored : UprightPicture(stored, orientation);
}

}  // namespace orelle
