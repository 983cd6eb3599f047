// HEIF photos through libheif: the claimed size is checked on the image's
// handle, before its data is decoded.
#include <libheif/heif.h>

#include <QColorSpace>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/imaging/ConversionLimits.h"
#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureOnPaper.h"

namespace orelle {
namespace {

struct ContextFree {
    void operator()(heif_context* c) const { heif_context_free(c); }
};
struct HandleRelease {
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};
struct ImageRelease {
    void operator()(heif_image* i) const { heif_image_release(i); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};

void InitOnce() {
    static std::once_flag once;
    std::call_once(once, [] { heif_init(nullptr); });
}

// The first EXIF block of the image: libheif's block starts with the
// offset of the TIFF header behind its first four bytes.
std::string ExifOf(const heif_image_handle* handle) {
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", &id, 1) != 1) return {};
    const std::size_t size = heif_image_handle_get_metadata_size(handle, id);
    // Larger than a JPEG's EXIF segment can hold: of no use to the copy.
    if (size < 4 || size > 0x10000) return {};
    std::string block(size, '\0');
    if (heif_image_handle_get_metadata(handle, id, block.data()).code != heif_error_Ok) return {};
    const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(block[i])); };
    const std::uint32_t offset = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
    if (offset > size - 4) return {};
    return block.substr(4 + offset);
}

QColorSpace ColoursOf(const heif_image_handle* handle) {
    switch (heif_image_handle_get_color_profile_type(handle)) {
        case heif_color_profile_type_prof:
        case heif_color_profile_type_rICC: {
            const std::size_t size = heif_image_handle_get_raw_color_profile_size(handle);
            if (size == 0 || size > (1u << 20)) return {};
            QByteArray icc(static_cast<qsizetype>(size), '\0');
            if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code != heif_error_Ok)
                return {};
            return QColorSpace::fromIccProfile(icc);
        }
        case heif_color_profile_type_nclx: {
            heif_color_profile_nclx* nclx = nullptr;
            if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok)
                return {};
            const bool p3 = nclx->color_primaries == heif_color_primaries_SMPTE_EG_432_1;
            heif_nclx_color_profile_free(nclx);
            // Phones write Display P3 with the sRGB curve; the rest is taken as sRGB.
            if (p3) return QColorSpace(QColorSpace::Primaries::DciP3D65, QColorSpace::TransferFunction::SRgb);
            return {};
        }
        default:
            return {};
    }
}

// Whether the file turns or mirrors its picture itself (irot, imir boxes,
// which libheif applies): they stand among the item properties, before
// the picture data.
bool TurnsItself(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, bytes.find("mdat"));
    return head.find("irot") != std::string_view::npos || head.find("imir") != std::string_view::npos;
}

}  // namespace

DecodedPhoto DecodeHeif(std::string_view bytes) {
    InitOnce();
    DecodedPhoto photo;
    std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context) return photo;
    heif_context_set_maximum_image_size_limit(context.get(), kMaxConvertedSide);
    if (heif_context_read_from_memory_without_copy(context.get(), bytes.data(), bytes.size(), nullptr)
            .code != heif_error_Ok)
        return photo;
    heif_image_handle* raw = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &raw).code != heif_error_Ok) return photo;
    std::unique_ptr<heif_image_handle, HandleRelease> handle(raw);
    if (!FitsConversion(heif_image_handle_get_width(raw), heif_image_handle_get_height(raw)))
        return photo;
    const bool alpha = heif_image_handle_has_alpha_channel(raw) != 0;
    std::unique_ptr<heif_decoding_options, OptionsFree> options(heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    heif_image* decoded = nullptr;
    if (heif_decode_image(raw, &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                          options.get())
            .code != heif_error_Ok)
        return photo;
    std::unique_ptr<heif_image, ImageRelease> image(decoded);
    const int w = heif_image_get_width(decoded, heif_channel_interleaved);
    const int h = heif_image_get_height(decoded, heif_channel_interleaved);
    int stride = 0;
    const uint8_t* plane = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    if (!plane || !FitsConversion(w, h)) return photo;
    const QImage view(plane, w, h, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    // Phones turn the picture with the file's own boxes and repeat that in
    // the EXIF orientation; a file without such boxes (as older encoders
    // made from a turned JPEG) is turned by its EXIF orientation alone.
    return UprightPhoto(OnPaper(view, ColoursOf(raw)), ExifOf(raw), TurnsItself(bytes));
}

}  // namespace orelle
