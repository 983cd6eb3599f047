#include "platform/imaging/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "platform/imaging/JpegLayout.h"

namespace orelle {
namespace {

struct Guard {
    jpeg_error_mgr error{};
    jpeg_progress_mgr progress{};
    std::jmp_buf escape{};
};

Guard& GuardOf(j_common_ptr cinfo) { return *reinterpret_cast<Guard*>(cinfo->err); }

[[noreturn]] void Fail(j_common_ptr cinfo) { std::longjmp(GuardOf(cinfo).escape, 1); }

// Warnings that mean the picture is not all there: libjpeg would go on and
// paint the rest grey. Others (extra bytes between segments) are harmless.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;  // trace messages
    const int code = cinfo->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC) Fail(cinfo);
    ++cinfo->err->num_warnings;
}

void OnProgress(j_common_ptr cinfo) {
    const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxJpegScans) Fail(cinfo);
}

// Stored inverted, as Adobe's programs write CMYK photos.
void FromCmyk(const std::vector<unsigned char>& row, int width, uchar* out) {
    auto* pixels = reinterpret_cast<QRgb*>(out);
    for (int x = 0; x < width; ++x) {
        const unsigned char* p = &row[4 * static_cast<std::size_t>(x)];
        pixels[x] = qRgb(p[0] * p[3] / 255, p[1] * p[3] / 255, p[2] * p[3] / 255);
    }
}

// What a progressive picture keeps while it is decoded: every coefficient
// of every component.
long long CoefficientBytes(const jpeg_decompress_struct& cinfo) {
    long long bytes = 0;
    for (int i = 0; i < cinfo.num_components; ++i) {
        const jpeg_component_info& c = cinfo.comp_info[i];
        bytes += static_cast<long long>(c.width_in_blocks + c.h_samp_factor) *
                 (c.height_in_blocks + c.v_samp_factor) * DCTSIZE2 * sizeof(JCOEF);
    }
    return bytes;
}

// Runs between setjmp and the end of the decode: no C++ object with a
// destructor may live in here across a longjmp, so the picture and the row
// are the caller's and only filled here.
bool Decode(jpeg_decompress_struct& cinfo, std::string_view bytes, int denominator, QImage& picture,
            std::vector<unsigned char>& cmykRow) {
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
    cinfo.scale_num = 1;
    cinfo.scale_denom = static_cast<unsigned>(denominator);
    // As Qt decoded for the cells: the screen is not the print.
    cinfo.dct_method = JDCT_IFAST;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    const bool grey = cinfo.num_components == 1;
    cinfo.out_color_space = cmyk ? JCS_CMYK : grey ? JCS_GRAYSCALE : JCS_EXT_BGRX;
    jpeg_calc_output_dimensions(&cinfo);
    if (cinfo.progressive_mode && CoefficientBytes(cinfo) > kJpegDecodeMemory) return false;
    picture = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                     grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (picture.isNull()) return false;
    jpeg_start_decompress(&cinfo);
    cmykRow.resize(cmyk ? cinfo.output_width * 4 : 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        uchar* line = picture.scanLine(static_cast<int>(cinfo.output_scanline));
        JSAMPROW row = cmyk ? cmykRow.data() : line;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) return false;
        if (cmyk) FromCmyk(cmykRow, picture.width(), line);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

}  // namespace

QImage DecodeJpeg(std::string_view bytes, int denominator) {
    if (!ReadJpegLayout(bytes)) return {};
    jpeg_decompress_struct cinfo{};
    Guard guard;
    cinfo.err = jpeg_std_error(&guard.error);
    guard.error.error_exit = [](j_common_ptr c) { Fail(c); };
    guard.error.emit_message = OnMessage;
    guard.progress.progress_monitor = OnProgress;
    QImage picture;
    std::vector<unsigned char> cmykRow;
    // volatile: read after a longjmp.
    volatile bool ok = false;
    if (setjmp(guard.escape) == 0) {
        jpeg_create_decompress(&cinfo);
        cinfo.progress = &guard.progress;
        cinfo.mem->max_memory_to_use = kJpegDecodeMemory;
        ok = Decode(cinfo, bytes, denominator, picture, cmykRow);
    }
    jpeg_destroy_decompress(&cinfo);
    return ok ? picture : QImage();
}

}  // namespace orelle
