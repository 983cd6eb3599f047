#include "platform/imaging/PngRows.h"

#include <png.h>

#include <QColorSpace>
#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "platform/imaging/ConversionLimits.h"
#include "platform/imaging/PictureOnPaper.h"

namespace orelle {
namespace {

// Enough rows that laying them on paper costs little per row.
constexpr int kBandRows = 64;
// Read besides the chunks libpng always reads (five bytes each).
constexpr png_byte kDescribing[] = "iCCP\0sRGB\0gAMA\0eXIf";

struct Source {
    std::string_view bytes;
    std::size_t at = 0;
};

void ReadSource(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->bytes.size() - source->at) png_error(png, "cut short");
    std::memcpy(out, source->bytes.data() + source->at, count);
    source->at += count;
}

struct Reader {
    png_structp png = png_create_read_struct(
        PNG_LIBPNG_VER_STRING, nullptr, [](png_structp p, png_const_charp) { png_longjmp(p, 1); },
        [](png_structp, png_const_charp) {});
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    Source source;
    ~Reader() { png_destroy_read_struct(&png, &info, nullptr); }
};

// What libpng says of the picture: plain values only, as they are filled
// where libpng may jump out.
struct Facts {
    png_uint_32 width = 0, height = 0;
    int depth = 0, type = 0, interlace = 0;
    bool alpha = false, grey = false, srgb = false;
    png_bytep icc = nullptr, exif = nullptr;
    png_uint_32 iccLength = 0, exifLength = 0;
    double gamma = 0;
};

// libpng jumps back here on any error: nothing that runs inside `f` may
// hold an object with a destructor.
template <typename F>
bool Guarded(png_structp png, F f) {
    if (setjmp(png_jmpbuf(png))) return false;
    return f();
}

bool ReadFacts(Reader& r, Facts& f) {
    png_set_read_fn(r.png, &r.source, ReadSource);
    png_set_user_limits(r.png, kMaxConvertedSide, kMaxConvertedSide);
    // Some encoders write streams that only a full inflate window reads.
    png_set_option(r.png, PNG_MAXIMUM_INFLATE_WINDOW, PNG_OPTION_ON);
    png_set_keep_unknown_chunks(r.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_keep_unknown_chunks(r.png, PNG_HANDLE_CHUNK_AS_DEFAULT, kDescribing, 4);
    png_read_info(r.png, r.info);
    png_get_IHDR(r.png, r.info, &f.width, &f.height, &f.depth, &f.type, &f.interlace, nullptr,
                 nullptr);
    if (!FitsConversion(f.width, f.height)) return false;
    f.alpha = (f.type & PNG_COLOR_MASK_ALPHA) || png_get_valid(r.png, r.info, PNG_INFO_tRNS);
    f.grey = !(f.type & PNG_COLOR_MASK_COLOR) && !f.alpha;
    png_charp name = nullptr;
    int compression = 0;
    png_get_iCCP(r.png, r.info, &name, &compression, &f.icc, &f.iccLength);
    f.srgb = png_get_valid(r.png, r.info, PNG_INFO_sRGB) != 0;
    png_get_gAMA(r.png, r.info, &f.gamma);
    png_get_eXIf_1(r.png, r.info, &f.exifLength, &f.exif);
    return true;
}

// 8 bits a sample: grey as it is, anything else as RGBA or RGBX.
bool SetRows(Reader& r, const Facts& f) {
    png_set_expand(r.png);
    png_set_scale_16(r.png);
    if (!f.grey) png_set_gray_to_rgb(r.png);
    if (!f.grey && !f.alpha) png_set_filler(r.png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    return png_get_rowbytes(r.png, r.info) == std::size_t{f.width} * (f.grey ? 1 : 4);
}

// As Qt reads a PNG's colours: its profile, else sRGB, else its gamma.
QColorSpace ColoursOf(const Facts& f) {
    if (f.icc) {
        const QColorSpace profile = QColorSpace::fromIccProfile(
            QByteArray(reinterpret_cast<const char*>(f.icc), static_cast<qsizetype>(f.iccLength)));
        if (profile.isValid()) return profile;
    }
    if (f.srgb || f.gamma <= 0) return {};
    return QColorSpace(QColorSpace::Primaries::SRgb, QColorSpace::TransferFunction::Gamma,
                       static_cast<float>(1 / f.gamma));
}

}  // namespace

bool ReadPngRows(std::string_view bytes, PngHead* head,
                 const std::function<bool(const QImage& band)>& band) {
    Reader r;
    r.source.bytes = bytes;
    Facts f;
    if (!r.info || !Guarded(r.png, [&] { return ReadFacts(r, f); }) ||
        !Guarded(r.png, [&] { return SetRows(r, f); }))
        return false;
    const QColorSpace colours = ColoursOf(f);
    const int width = static_cast<int>(f.width), height = static_cast<int>(f.height);
    // An interlaced picture comes in passes over all its rows.
    const int rows = f.interlace != PNG_INTERLACE_NONE ? height : std::min(height, kBandRows);
    const QImage::Format format = f.grey    ? QImage::Format_Grayscale8
                                  : f.alpha ? QImage::Format_RGBA8888
                                            : QImage::Format_RGBX8888;
    QImage raw(width, rows, format);
    if (raw.isNull()) return false;
    std::vector<png_bytep> pointers(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) pointers[static_cast<std::size_t>(i)] = raw.scanLine(i);
    *head = {width, height, std::string(reinterpret_cast<const char*>(f.exif), f.exifLength)};
    for (int y = 0; y < height; y += rows) {
        const int count = std::min(rows, height - y);
        const bool read = Guarded(r.png, [&] {
            if (rows == height)
                png_read_image(r.png, pointers.data());
            else
                png_read_rows(r.png, pointers.data(), nullptr, static_cast<png_uint_32>(count));
            return true;
        });
        if (!read) return false;
        const QImage part =
            count == rows ? raw : QImage(raw.constBits(), width, count, raw.bytesPerLine(), format);
        const QImage paper = OnPaper(part, colours);
        if (paper.isNull() || !band(paper)) return false;
    }
    return true;
}

}  // namespace orelle
