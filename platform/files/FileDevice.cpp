#include "platform/files/FileDevice.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/files/FileSystem.h"

namespace orelle {
namespace {

// Most photos keep their frame header within the first part.
constexpr std::size_t kFirstPart = std::size_t{64} << 10;

// at + n without overflow; no reach goes past this.
qint64 EndOf(qint64 at, qint64 n) {
    constexpr qint64 kFar = qint64{1} << 60;
    return std::min(at, kFar) + std::min(n, kFar);
}

}  // namespace

FileDevice::FileDevice(FileSystem& fs, std::string path, Reach reach)
    : fs_(fs), path_(std::move(path)), reach_(reach) {}

bool FileDevice::open(OpenMode mode) {
    if (isOpen() || mode.testFlag(WriteOnly)) return false;
    bytes_.clear();
    complete_ = false;
    ranDry_ = false;
    if (reach_ == kWhole) {
        if (!fs_.ReadFile(path_, &bytes_)) return false;
        complete_ = true;
    } else if (!FetchTo(1)) {
        return false;
    }
    // Held in memory already: Qt's own buffer would only copy it again.
    return QIODevice::open(mode | Unbuffered);
}

bool FileDevice::FetchTo(qint64 end) const {
    while (!complete_ && static_cast<qint64>(bytes_.size()) < end) {
        // Doubling what is held: few reads for a long header, and little
        // read past a short one.
        const std::size_t part =
            std::min(std::max(kFirstPart, bytes_.size()), kHeadLimit - bytes_.size());
        std::string more;
        if (!fs_.ReadFilePart(path_, bytes_.size(), part, &more)) return false;
        complete_ = more.size() < part || bytes_.size() + more.size() >= kHeadLimit;
        bytes_ += more;
    }
    return true;
}

qint64 FileDevice::size() const {
    FetchTo(static_cast<qint64>(kHeadLimit));
    return static_cast<qint64>(bytes_.size());
}

bool FileDevice::atEnd() const {
    const qint64 at = pos();
    FetchTo(EndOf(at, 1));
    return at >= static_cast<qint64>(bytes_.size());
}

qint64 FileDevice::readData(char* data, qint64 maxSize) {
    const qint64 at = pos();
    if (!FetchTo(EndOf(at, maxSize))) return -1;
    const qint64 held = static_cast<qint64>(bytes_.size());
    const qint64 n = at < held ? std::min(maxSize, held - at) : 0;
    if (n == 0 && maxSize > 0) ranDry_ = true;
    if (n > 0) std::memcpy(data, bytes_.data() + at, static_cast<std::size_t>(n));
    return n;
}

}  // namespace orelle
