#include "platform/imaging/ShotDateWriter.h"

#include <libexif/exif-data.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace orelle {
namespace {

// "Exif\0\0" and the TIFF structure, as an APP1 segment's payload.
std::string ExifPayload(const std::vector<ExifField>& fields, const std::string& thumbnail) {
    ExifData* data = exif_data_new();
    if (!thumbnail.empty()) {
        // libexif frees it with the data, and links it from IFD 1.
        data->data = static_cast<unsigned char*>(std::malloc(thumbnail.size()));
        if (!data->data) throw std::bad_alloc();
        std::memcpy(data->data, thumbnail.data(), thumbnail.size());
        data->size = static_cast<unsigned int>(thumbnail.size());
    }
    exif_data_set_byte_order(data, EXIF_BYTE_ORDER_INTEL);
    ExifMem* mem = exif_mem_new_default();
    for (const ExifField& f : fields) {
        ExifEntry* entry = exif_entry_new_mem(mem);
        const bool ascii = !f.text.empty();
        const auto size = ascii ? static_cast<unsigned int>(f.text.size() + 1) : 2u;
        entry->tag = static_cast<ExifTag>(f.tag);
        entry->format = ascii ? EXIF_FORMAT_ASCII : EXIF_FORMAT_SHORT;
        entry->components = ascii ? size : 1;
        entry->size = size;
        entry->data = static_cast<unsigned char*>(exif_mem_alloc(mem, size));
        if (ascii) {
            std::memcpy(entry->data, f.text.c_str(), size);
        } else {
            exif_set_short(entry->data, EXIF_BYTE_ORDER_INTEL, static_cast<ExifShort>(f.value));
        }
        exif_content_add_entry(data->ifd[f.ifd], entry);
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

std::string WithExif(std::string jpeg, const std::vector<ExifField>& fields,
                     const std::string& thumbnail) {
    if (fields.empty() && thumbnail.empty()) return jpeg;
    const std::string payload = ExifPayload(fields, thumbnail);
    const std::size_t length = payload.size() + 2;
    if (length > 0xFFFF) throw std::runtime_error("EXIF too long for one segment");
    std::string app1 = "\xFF\xE1";
    app1 += static_cast<char>(length >> 8);
    app1 += static_cast<char>(length & 0xFF);
    app1 += payload;
    return jpeg.insert(2, app1);  // right after SOI
}

std::string WithShotDates(std::string jpeg, const std::vector<std::pair<int, std::string>>& dates) {
    std::vector<ExifField> fields;
    for (const auto& [ifd, text] : dates) fields.push_back({ifd, 306, text});
    return WithExif(std::move(jpeg), fields);
}

}  // namespace orelle
