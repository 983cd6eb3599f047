#include "platform/imaging/ExifTiff.h"

#include "platform/imaging/EmbeddedPreview.h"

#include <cstdint>
#include <optional>

namespace orelle {
namespace {

constexpr int kOrientationTag = 274;
constexpr int kExifIfdTag = 34665;
constexpr int kPixelXTag = 40962;
constexpr int kPixelYTag = 40963;
constexpr int kThumbnailOffsetTag = 513;
constexpr int kThumbnailLengthTag = 514;
constexpr int kShort = 3;
constexpr int kLong = 4;
constexpr std::uint32_t kMaxEntries = 1024;

class Tiff {
  public:
    Tiff(const unsigned char* data, std::size_t size) : data_(data), size_(size) {
        if (size_ < 8) return;
        if (data_[0] == 'I' && data_[1] == 'I') intel_ = true;
        else if (!(data_[0] == 'M' && data_[1] == 'M')) return;
        ok_ = U16(2) == 42;
    }

    std::optional<std::size_t> FirstIfd() const {
        if (!ok_) return std::nullopt;
        return U32(4);
    }

    // The offset of the 12-byte entry with that tag in the IFD at ifd.
    std::optional<std::size_t> Entry(std::size_t ifd, int tag) const {
        if (!ok_ || ifd + 2 > size_ || ifd + 2 < ifd) return std::nullopt;
        const std::uint32_t count = U16(ifd);
        if (count > kMaxEntries) return std::nullopt;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = ifd + 2 + 12 * std::size_t{i};
            if (at + 12 > size_) return std::nullopt;
            if (static_cast<int>(U16(at)) == tag) return at;
        }
        return std::nullopt;
    }

    // The offset of the IFD linked after the one at ifd.
    std::optional<std::size_t> NextIfd(std::size_t ifd) const {
        if (!ok_ || ifd + 2 > size_ || ifd + 2 < ifd) return std::nullopt;
        const std::size_t link = ifd + 2 + 12 * std::size_t{U16(ifd)};
        if (link + 4 > size_) return std::nullopt;
        const std::uint32_t next = U32(link);
        if (next == 0 || next <= ifd) return std::nullopt;  // no loops back
        return next;
    }

    int Type(std::size_t entry) const { return static_cast<int>(U16(entry + 2)); }
    std::uint32_t Count(std::size_t entry) const { return U32(entry + 4); }
    // A one-element SHORT or LONG held in the entry itself.
    std::optional<std::uint32_t> Value(std::size_t entry) const {
        if (Count(entry) != 1) return std::nullopt;
        if (Type(entry) == kShort) return U16(entry + 8);
        if (Type(entry) == kLong) return U32(entry + 8);
        return std::nullopt;
    }

    std::uint32_t U16(std::size_t at) const {
        return intel_ ? data_[at] | data_[at + 1] << 8 : data_[at] << 8 | data_[at + 1];
    }
    std::uint32_t U32(std::size_t at) const {
        const std::uint32_t a = U16(at), b = U16(at + 2);
        return intel_ ? a | b << 16 : a << 16 | b;
    }
    bool intel() const { return intel_; }

  private:
    const unsigned char* data_;
    std::size_t size_;
    bool intel_ = false;
    bool ok_ = false;
};

void Put(unsigned char* at, const Tiff& tiff, int type, std::uint32_t value) {
    const int bytes = type == kShort ? 2 : 4;
    for (int i = 0; i < bytes; ++i) {
        const int shift = tiff.intel() ? 8 * i : 8 * (bytes - 1 - i);
        at[i] = static_cast<unsigned char>(value >> shift);
    }
}

}  // namespace

int ExifOrientation(std::string_view bytes) {
    const Tiff tiff(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    const std::optional<std::size_t> ifd0 = tiff.FirstIfd();
    if (!ifd0) return 1;
    const std::optional<std::size_t> entry = tiff.Entry(*ifd0, kOrientationTag);
    if (!entry) return 1;
    const std::optional<std::uint32_t> value = tiff.Value(*entry);
    return value && *value >= 1 && *value <= 8 ? static_cast<int>(*value) : 1;
}

std::optional<ByteSpan> ExifThumbnail(std::string_view bytes) {
    const Tiff tiff(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    const std::optional<std::size_t> ifd0 = tiff.FirstIfd();
    const std::optional<std::size_t> ifd1 = ifd0 ? tiff.NextIfd(*ifd0) : std::nullopt;
    if (!ifd1) return std::nullopt;
    const auto at = tiff.Entry(*ifd1, kThumbnailOffsetTag);
    const auto length = tiff.Entry(*ifd1, kThumbnailLengthTag);
    if (!at || !length) return std::nullopt;
    const std::optional<std::uint32_t> offset = tiff.Value(*at), size = tiff.Value(*length);
    if (!offset || !size || *size == 0 || *offset > bytes.size() ||
        *size > bytes.size() - *offset)
        return std::nullopt;
    return ByteSpan{*offset, *size};
}

void SetExifThumbnailLength(char* bytes, std::size_t size, std::uint32_t length) {
    auto* data = reinterpret_cast<unsigned char*>(bytes);
    const Tiff tiff(data, size);
    const std::optional<std::size_t> ifd0 = tiff.FirstIfd();
    const std::optional<std::size_t> ifd1 = ifd0 ? tiff.NextIfd(*ifd0) : std::nullopt;
    const auto entry = ifd1 ? tiff.Entry(*ifd1, kThumbnailLengthTag) : std::nullopt;
    if (entry && tiff.Value(*entry)) Put(data + *entry + 8, tiff, tiff.Type(*entry), length);
}

void MarkExifUpright(char* bytes, std::size_t size, bool sidesSwapped) {
    auto* data = reinterpret_cast<unsigned char*>(bytes);
    const Tiff tiff(data, size);
    const std::optional<std::size_t> ifd0 = tiff.FirstIfd();
    if (!ifd0) return;
    if (const auto entry = tiff.Entry(*ifd0, kOrientationTag); entry && tiff.Value(*entry)) {
        // The thumbnail turns with the picture.
        const int stored = ExifOrientation(std::string_view(bytes, size));
        if (stored != 1) TurnExifThumbnail(bytes, size, stored);
        Put(data + *entry + 8, tiff, tiff.Type(*entry), 1);
    }
    if (!sidesSwapped) return;
    const auto exif = tiff.Entry(*ifd0, kExifIfdTag);
    const std::optional<std::uint32_t> exifIfd = exif ? tiff.Value(*exif) : std::nullopt;
    if (!exifIfd) return;
    const auto x = tiff.Entry(*exifIfd, kPixelXTag);
    const auto y = tiff.Entry(*exifIfd, kPixelYTag);
    if (!x || !y) return;
    const std::optional<std::uint32_t> xv = tiff.Value(*x), yv = tiff.Value(*y);
    if (!xv || !yv) return;
    // Each keeps its own type: a SHORT takes the other's value only if it fits.
    if ((tiff.Type(*x) == kShort && *yv > 0xFFFF) || (tiff.Type(*y) == kShort && *xv > 0xFFFF))
        return;
    Put(data + *x + 8, tiff, tiff.Type(*x), *yv);
    Put(data + *y + 8, tiff, tiff.Type(*y), *xv);
}

}  // namespace orelle
