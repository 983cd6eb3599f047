#include "platform/imaging/ShotDateWriter.h"

#include <libexif/exif-data.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace orelle {
namespace {

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

std::string WithShotDates(std::string jpeg, const std::vector<std::pair<int, std::string>>& dates) {
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

}  // namespace orelle
