#include "platform/imaging/ShotDate.h"

#include <libexif/exif-data.h>

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <cstring>
#include <memory>

#include "platform/files/FileDevice.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/JpegLayout.h"

namespace orelle {
namespace {

constexpr char kExifHeader[] = "Exif\0\0";
constexpr qint64 kExifHeaderSize = 6;
// The shot first, then its digitising, then the last change.
constexpr int kDateTags[] = {36867, 36868, 306};

bool ReadByte(QIODevice& in, unsigned char* byte) {
    char c;
    if (!in.getChar(&c)) return false;
    *byte = static_cast<unsigned char>(c);
    return true;
}

// The payload of the first APP1 segment that holds EXIF, or empty.
QByteArray FindExifSegment(QIODevice& in) {
    unsigned char a, b;
    if (!ReadByte(in, &a) || !ReadByte(in, &b) || a != 0xFF || b != 0xD8) return {};
    for (int segments = 0; segments < kMaxJpegSegments; ++segments) {
        unsigned char marker;
        if (!ReadByte(in, &marker) || marker != 0xFF) return {};
        while (marker == 0xFF) {
            if (!ReadByte(in, &marker)) return {};
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        if (marker == 0xDA || marker == 0xD9) return {};  // EXIF comes before the scan
        if (!ReadByte(in, &a) || !ReadByte(in, &b)) return {};
        const qint64 length = (qint64{a} << 8 | b) - 2;
        if (length < 0) return {};
        if (marker == 0xE1 && length >= kExifHeaderSize) {
            QByteArray payload = in.read(length);
            if (payload.size() != length) return {};
            if (std::memcmp(payload.constData(), kExifHeader, kExifHeaderSize) == 0) return payload;
        } else if (!in.seek(in.pos() + length) || in.atEnd()) {
            return {};
        }
    }
    return {};
}

struct ExifDataUnref {
    void operator()(ExifData* d) const { exif_data_unref(d); }
};

std::string FirstDateTime(const QByteArray& segment) {
    std::unique_ptr<ExifData, ExifDataUnref> data(exif_data_new());
    if (!data) return {};
    // Keep every stored entry as it is: no dropping of tags unusual for
    // their IFD, no "fixing" that would invent a missing date.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(segment.constData()),
                        static_cast<unsigned int>(segment.size()));
    for (int tag : kDateTags) {
        for (int ifd = EXIF_IFD_0; ifd < EXIF_IFD_COUNT; ++ifd) {
            const ExifContent* content = data->ifd[ifd];
            if (content == nullptr) continue;
            for (unsigned int i = 0; i < content->count; ++i) {
                ExifEntry* entry = content->entries[i];
                if (entry == nullptr || entry->tag != tag) continue;
                char value[1024] = {};
                exif_entry_get_value(entry, value, sizeof value);
                // Stored bytes need not be UTF-8; invalid ones become U+FFFD.
                return QString::fromUtf8(value).toStdString();
            }
        }
    }
    return {};
}

std::string ShotDateFrom(QIODevice& in) { return FirstDateTime(FindExifSegment(in)); }

}  // namespace

std::string ReadShotDate(FileSystem& fs, const std::string& path) {
    FileDevice file(fs, path, FileDevice::kHead);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return ShotDateFrom(file);
}

std::string ReadShotDate(const std::string& path) {
    return ReadShotDate(FileSystem::Default(), path);
}

std::string ReadShotDateFromBytes(std::string_view bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    return ShotDateFrom(buffer);
}

}  // namespace orelle
