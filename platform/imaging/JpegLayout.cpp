#include "platform/imaging/JpegLayout.h"

#include <cstdint>
#include <cstring>

namespace orelle {
namespace {

constexpr unsigned char kSoi = 0xD8;
constexpr unsigned char kEoi = 0xD9;
constexpr unsigned char kSos = 0xDA;
constexpr unsigned char kTem = 0x01;

bool IsRestart(unsigned char m) { return m >= 0xD0 && m <= 0xD7; }

// The start-of-frame markers: C0 to CF except DHT (C4), JPG (C8), DAC (CC).
bool IsFrame(unsigned char m) {
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

class Walker {
  public:
    explicit Walker(std::string_view bytes)
        : data_(reinterpret_cast<const unsigned char*>(bytes.data())), size_(bytes.size()) {}

    bool AtSoi() const { return size_ >= 2 && data_[0] == 0xFF && data_[1] == kSoi; }

    // The next marker after the current position; fill bytes (FF FF) and
    // garbage between segments are passed over, as decoders do.
    std::optional<unsigned char> NextMarker() {
        while (true) {
            const void* ff = std::memchr(data_ + pos_, 0xFF, size_ - pos_);
            if (!ff) return std::nullopt;
            pos_ = static_cast<std::size_t>(static_cast<const unsigned char*>(ff) - data_);
            while (pos_ + 1 < size_ && data_[pos_ + 1] == 0xFF) ++pos_;
            if (pos_ + 1 >= size_) return std::nullopt;
            const unsigned char m = data_[pos_ + 1];
            pos_ += 2;
            if (m != 0 && m != kTem && !IsRestart(m)) return m;
        }
    }

    // The current segment's payload (after its length field), and the
    // position moved past it.
    std::size_t Position() const { return pos_; }

    std::optional<std::string_view> Segment() {
        if (pos_ + 2 > size_) return std::nullopt;
        const std::size_t length = std::size_t{data_[pos_]} << 8 | data_[pos_ + 1];
        if (length < 2 || pos_ + length > size_) return std::nullopt;
        const std::string_view payload(reinterpret_cast<const char*>(data_ + pos_ + 2), length - 2);
        pos_ += length;
        return payload;
    }

    // Skips compressed data up to the next marker that is not a restart
    // or a stuffed byte; returns how many bytes were passed.
    std::size_t SkipScanData() {
        const std::size_t start = pos_;
        while (true) {
            const void* ff = std::memchr(data_ + pos_, 0xFF, size_ - pos_);
            if (!ff) {
                pos_ = size_;
                return pos_ - start;
            }
            const std::size_t at =
                static_cast<std::size_t>(static_cast<const unsigned char*>(ff) - data_);
            if (at + 1 >= size_) {
                pos_ = size_;
                return pos_ - start;
            }
            const unsigned char next = data_[at + 1];
            if (next == 0 || IsRestart(next)) {
                pos_ = at + 2;
                continue;
            }
            pos_ = at;
            return pos_ - start;
        }
    }

  private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 2;
};

std::optional<JpegLayout> FrameFrom(unsigned char marker, std::string_view payload) {
    if (payload.size() < 6) return std::nullopt;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(payload[i]); };
    JpegLayout layout;
    layout.height = byte(1) << 8 | byte(2);
    layout.width = byte(3) << 8 | byte(4);
    layout.components = byte(5);
    layout.progressive = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
    layout.arithmetic = marker >= 0xC9;
    if (layout.width <= 0 || layout.height <= 0 || layout.components <= 0) return std::nullopt;
    if (static_cast<long long>(layout.width) * layout.height > kMaxJpegPixels) return std::nullopt;
    return layout;
}

// Every block of the frame costs Huffman coding at least one bit (its DC
// code); arithmetic coding can go far lower, so it gets a looser bound.
bool DataCanFill(const JpegLayout& layout, std::size_t scanBytes) {
    const long long blocks =
        static_cast<long long>((layout.width + 7) / 8) * ((layout.height + 7) / 8);
    const long long bits = static_cast<long long>(scanBytes) * 8;
    return layout.arithmetic ? bits * 64 >= blocks : bits >= blocks;
}

constexpr std::string_view kExifHeader("Exif\0\0", 6);

}  // namespace

std::optional<ByteSpan> FindJpegExif(std::string_view bytes) {
    Walker walk(bytes);
    if (!walk.AtSoi()) return std::nullopt;
    for (int segments = 0; segments < kMaxJpegSegments; ++segments) {
        const std::optional<unsigned char> marker = walk.NextMarker();
        if (!marker || *marker == kSos || *marker == kEoi || *marker == kSoi) return std::nullopt;
        const std::size_t start = walk.Position() + 2;
        const std::optional<std::string_view> payload = walk.Segment();
        if (!payload) return std::nullopt;
        if (*marker == 0xE1 && payload->substr(0, kExifHeader.size()) == kExifHeader)
            return ByteSpan{start + kExifHeader.size(), payload->size() - kExifHeader.size()};
    }
    return std::nullopt;
}

std::string JpegMetadataSegments(std::string_view bytes, bool keepIcc) {
    std::string kept;
    Walker walk(bytes);
    if (!walk.AtSoi()) return kept;
    for (int segments = 0; segments < kMaxJpegSegments; ++segments) {
        const std::optional<unsigned char> marker = walk.NextMarker();
        if (!marker || *marker == kSos || *marker == kEoi || *marker == kSoi) break;
        const std::size_t start = walk.Position() - 2;
        if (!walk.Segment()) break;
        const bool app = *marker >= 0xE0 && *marker <= 0xEF;
        const bool colours = *marker == 0xE0 || *marker == 0xEE || (*marker == 0xE2 && !keepIcc);
        if ((app && !colours) || *marker == 0xFE)
            kept.append(bytes.substr(start, walk.Position() - start));
    }
    return kept;
}

std::optional<JpegLayout> ReadJpegFrame(std::string_view bytes) {
    Walker walk(bytes);
    if (!walk.AtSoi()) return std::nullopt;
    for (int segments = 0; segments < kMaxJpegSegments; ++segments) {
        const std::optional<unsigned char> marker = walk.NextMarker();
        if (!marker || *marker == kSos || *marker == kEoi || *marker == kSoi) return std::nullopt;
        const std::optional<std::string_view> payload = walk.Segment();
        if (!payload) return std::nullopt;
        if (IsFrame(*marker)) return FrameFrom(*marker, *payload);
    }
    return std::nullopt;
}

std::optional<JpegLayout> ReadJpegLayout(std::string_view bytes) {
    Walker walk(bytes);
    if (!walk.AtSoi()) return std::nullopt;
    std::optional<JpegLayout> layout;
    std::size_t scanBytes = 0;
    int scans = 0;
    for (int segments = 0; segments < kMaxJpegSegments; ++segments) {
        const std::optional<unsigned char> marker = walk.NextMarker();
        if (!marker || *marker == kSoi) return std::nullopt;
        if (*marker == kEoi) {
            if (!layout || scans == 0 || !DataCanFill(*layout, scanBytes)) return std::nullopt;
            layout->scans = scans;
            return layout;
        }
        const std::optional<std::string_view> payload = walk.Segment();
        if (!payload) return std::nullopt;
        if (IsFrame(*marker)) {
            if (layout) return std::nullopt;  // one frame per file
            layout = FrameFrom(*marker, *payload);
            if (!layout) return std::nullopt;
        } else if (*marker == kSos) {
            if (!layout || ++scans > kMaxJpegScans) return std::nullopt;
            scanBytes += walk.SkipScanData();
        }
    }
    return std::nullopt;
}

}  // namespace orelle
