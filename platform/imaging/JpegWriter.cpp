#include "platform/imaging/JpegWriter.h"

#include <csetjmp>
#include <cstdio>
#include <new>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace orelle {

struct JpegRowWriter::Codec {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    jpeg_destination_mgr destination{};
    std::jmp_buf escape{};
    JOCTET buffer[std::size_t{64} << 10];
    std::string jpeg;
    bool failed = false;

    static Codec& Of(j_compress_ptr cinfo) { return *static_cast<Codec*>(cinfo->client_data); }
    void Restart() {
        destination.next_output_byte = buffer;
        destination.free_in_buffer = sizeof buffer;
    }
    // Called from inside libjpeg: no exception may leave.
    void Keep(std::size_t size) {
        try {
            jpeg.append(reinterpret_cast<const char*>(buffer), size);
        } catch (const std::bad_alloc&) {
            failed = true;
        }
        Restart();
    }
};

namespace {

// Whole segments (marker, a length that counts itself, data) as markers
// of the encoder's own.
void WriteSegments(j_compress_ptr cinfo, std::string_view segments) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(segments[i]); };
    for (std::size_t at = 0; at + 4 <= segments.size();) {
        const std::size_t length = std::size_t{byte(at + 2)} << 8 | byte(at + 3);
        if (length < 2 || length > segments.size() - at - 2) return;
        jpeg_write_marker(cinfo, byte(at + 1),
                          reinterpret_cast<const JOCTET*>(segments.data() + at + 4),
                          static_cast<unsigned>(length - 2));
        at += 2 + length;
    }
}

}  // namespace

JpegRowWriter::JpegRowWriter(int width, int height, bool grey, int quality,
                             std::string_view segments)
    : codec_(std::make_unique<Codec>()) {
    Codec& c = *codec_;
    c.cinfo.err = jpeg_std_error(&c.error);
    c.error.error_exit = [](j_common_ptr cinfo) {
        std::longjmp(static_cast<Codec*>(cinfo->client_data)->escape, 1);
    };
    c.error.output_message = [](j_common_ptr) {};
    c.cinfo.client_data = &c;
    c.destination.init_destination = [](j_compress_ptr cinfo) { Codec::Of(cinfo).Restart(); };
    c.destination.empty_output_buffer = [](j_compress_ptr cinfo) -> boolean {
        Codec::Of(cinfo).Keep(sizeof Codec::buffer);
        return TRUE;
    };
    c.destination.term_destination = [](j_compress_ptr cinfo) {
        Codec& codec = Codec::Of(cinfo);
        codec.Keep(sizeof codec.buffer - codec.destination.free_in_buffer);
    };
    if (setjmp(c.escape)) {
        c.failed = true;
        return;
    }
    jpeg_create_compress(&c.cinfo);
    c.cinfo.dest = &c.destination;
    c.cinfo.image_width = static_cast<JDIMENSION>(width);
    c.cinfo.image_height = static_cast<JDIMENSION>(height);
    c.cinfo.input_components = grey ? 1 : 4;
    // Format_RGB32 is 0xffRRGGBB in a 32-bit word.
    c.cinfo.in_color_space =
        grey ? JCS_GRAYSCALE : (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB);
    jpeg_set_defaults(&c.cinfo);
    jpeg_set_quality(&c.cinfo, quality, TRUE);
    c.cinfo.dct_method = JDCT_ISLOW;
    c.cinfo.write_JFIF_header = segments.empty();
    jpeg_start_compress(&c.cinfo, TRUE);
    WriteSegments(&c.cinfo, segments);
}

JpegRowWriter::~JpegRowWriter() { jpeg_destroy_compress(&codec_->cinfo); }

void JpegRowWriter::Write(const uchar* row) {
    Codec& c = *codec_;
    if (c.failed || c.cinfo.next_scanline >= c.cinfo.image_height) return;
    if (setjmp(c.escape)) {
        c.failed = true;
        return;
    }
    JSAMPROW rows[] = {const_cast<JSAMPROW>(row)};
    jpeg_write_scanlines(&c.cinfo, rows, 1);
}

std::string JpegRowWriter::Finish() {
    Codec& c = *codec_;
    if (c.failed || c.cinfo.next_scanline != c.cinfo.image_height) return {};
    if (setjmp(c.escape)) return {};
    jpeg_finish_compress(&c.cinfo);
    return c.failed ? std::string() : std::move(c.jpeg);
}

std::string EncodeJpeg(const QImage& picture, int quality, std::string_view segments) {
    if (picture.isNull()) return {};
    const bool grey = picture.format() == QImage::Format_Grayscale8;
    const QImage pixels = grey ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (pixels.isNull()) return {};
    JpegRowWriter writer(pixels.width(), pixels.height(), grey, quality, segments);
    for (int y = 0; y < pixels.height(); ++y) writer.Write(pixels.constScanLine(y));
    return writer.Finish();
}

std::string ExifSegment(std::string_view tiff) {
    constexpr std::size_t kHeader = 2 + 6;  // length field, "Exif\0\0"
    if (tiff.empty() || tiff.size() + kHeader > 0xFFFF) return {};
    const std::size_t length = tiff.size() + kHeader;
    std::string segment = "\xFF\xE1";
    segment += static_cast<char>(length >> 8);
    segment += static_cast<char>(length & 0xFF);
    segment.append("Exif\0\0", 6);
    segment.append(tiff);
    return segment;
}

}  // namespace orelle
