#include "support/TestJpeg.h"

#include <libexif/exif-data.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cstring>
#include <stdexcept>

#include "support/TempFolder.h"

namespace orelle::testing {
namespace {

std::string EncodeJpeg(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool bright = x < w / 2 && y < h / 2;
            line[x] = bright ? qRgb(240, 240, 240) : qRgb(x * 200 / w, y * 200 / h, 60);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    if (!writer.write(image)) throw std::runtime_error("JPEG encoding failed");
    return bytes.toStdString();
}

// "Exif\0\0" and the TIFF structure, as an APP1 segment's payload.
std::string ExifPayload(const std::vector<std::pair<int, std::string>>& dates) {
    ExifData* data = exif_data_new();
    exif_data_set_byte_order(data, EXIF_BYTE_ORDER_INTEL);
    ExifMem* mem = exif_mem_new_default();
    for (const auto& [ifd, text] : dates) {
        ExifEntry* entry = exif_entry_new_mem(mem);
        const auto size = static_cast<unsigned int>(text.size() + 1);
        entry->tag = EXIF_TAG_DATE_TIME;
        entry->format = EXIF_FORMAT_ASCII;
        entry->components = size;
        entry->size = size;
        entry->data = static_cast<unsigned char*>(exif_mem_alloc(mem, size));
        std::memcpy(entry->data, text.c_str(), size);
        exif_content_add_entry(data->ifd[ifd], entry);
        exif_entry_unref(entry);
    }
    exif_mem_unref(mem);
    unsigned char* bytes = nullptr;
    unsigned int size = 0;
    exif_data_save_data(data, &bytes, &size);
    std::string payload(reinterpret_cast<const char*>(bytes), size);
    free(bytes);
    exif_data_unref(data);
    return payload;
}

}  // namespace

std::string JpegBytesWithDates(int w, int h,
                               const std::vector<std::pair<int, std::string>>& dates) {
    std::string jpeg = EncodeJpeg(w, h);
    if (dates.empty()) return jpeg;
    const std::string payload = ExifPayload(dates);
    const std::size_t length = payload.size() + 2;
    if (length > 0xFFFF) throw std::runtime_error("EXIF too long for one segment");
    std::string app1 = "\xFF\xE1";
    app1 += static_cast<char>(length >> 8);
    app1 += static_cast<char>(length & 0xFF);
    app1 += payload;
    return jpeg.insert(2, app1);  // right after SOI
}

std::string JpegBytes(int w, int h, const std::string& exifDateTime) {
    if (exifDateTime.empty()) return JpegBytesWithDates(w, h, {});
    return JpegBytesWithDates(w, h, {{EXIF_IFD_0, exifDateTime}});
}

void WriteJpeg(const std::string& path, int w, int h, const std::string& exifDateTime) {
    WriteBytes(path, JpegBytes(w, h, exifDateTime));
}

void WriteTruncatedJpeg(const std::string& path, int w, int h, std::size_t keepBytes) {
    WriteBytes(path, JpegBytes(w, h).substr(0, keepBytes));
}

void WriteNotAJpeg(const std::string& path) {
    WriteBytes(path, "This is a text file, not a picture.\r\n");
}

}  // namespace orelle::testing
