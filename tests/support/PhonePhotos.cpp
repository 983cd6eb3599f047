#include "support/PhonePhotos.h"

#include <png.h>
#include <QBuffer>
#include <QByteArray>
#include <cstdlib>

#include "platform/imaging/JpegWriter.h"
#include "support/TempFolder.h"

namespace orelle::testing {
namespace {

std::uint32_t Crc(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

std::string Be32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}

std::string Chunk(const std::string& type, const std::string& data) {
    return Be32(static_cast<std::uint32_t>(data.size())) + type + data + Be32(Crc(type + data));
}

int Distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

}  // namespace

QImage CornerPicture(int w, int h, bool transparentBottom) {
    QImage picture(w, h, transparentBottom ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QColor c =
                kCornerColours[static_cast<std::size_t>((y >= h / 2) * 2 + (x >= w / 2))];
            picture.setPixelColor(x, y, transparentBottom && y >= h / 2 ? QColor(0, 0, 0, 0) : c);
        }
    }
    return picture;
}

std::array<int, 4> CornerIndexes(const QImage& picture) {
    const int w = picture.width(), h = picture.height();
    const std::array<QPoint, 4> at{QPoint(2, 2), QPoint(w - 3, 2), QPoint(2, h - 3),
                                   QPoint(w - 3, h - 3)};
    std::array<int, 4> found{};
    for (std::size_t i = 0; i < at.size(); ++i) {
        const QColor c = picture.pixelColor(at[i]);
        found[i] = -1;
        for (std::size_t k = 0; k < kCornerColours.size(); ++k)
            if (Distance(c, kCornerColours[k]) < 90) found[i] = static_cast<int>(k);
    }
    return found;
}

std::string CornerJpeg(int w, int h, const std::vector<ExifField>& fields) {
    return WithExif(EncodeJpeg(CornerPicture(w, h), 95, {}), fields);
}

std::string PngBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string HeicFrom(const std::string& source, const std::string& heic) {
    const std::string command = "heif-enc -q 90 -o '" + heic + "' '" + source + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return {};
    return ReadBytes(heic);
}

std::string FlatPng(int w, int h, QRgb colour, const PngChunks& chunks) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            static_cast<std::string*>(png_get_io_ptr(p))->append(reinterpret_cast<char*>(data), n);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 1);
    char key[] = "Comment", text[] = "sent from a phone";
    std::vector<png_text> texts(
        static_cast<std::size_t>(chunks.texts),
        png_text{PNG_TEXT_COMPRESSION_NONE, key, text, 17, 0, nullptr, nullptr});
    png_set_text(png, info, texts.data(), chunks.texts);
    if (!chunks.exif.empty())
        png_set_eXIf_1(png, info, static_cast<png_uint_32>(chunks.exif.size()),
                       reinterpret_cast<png_bytep>(const_cast<char*>(chunks.exif.data())));
    if (!chunks.icc.isEmpty())
        png_set_iCCP(png, info, "icc", 0, reinterpret_cast<png_const_bytep>(chunks.icc.constData()),
                     static_cast<png_uint_32>(chunks.icc.size()));
    png_write_info(png, info);
    std::vector<png_byte> row;
    for (int x = 0; x < w; ++x)
        row.insert(row.end(),
                   {png_byte(qRed(colour)), png_byte(qGreen(colour)), png_byte(qBlue(colour))});
    for (int y = 0; y < h; ++y) png_write_row(png, row.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string PngBomb(int w, int h) {
    std::string header = Be32(static_cast<std::uint32_t>(w)) + Be32(static_cast<std::uint32_t>(h));
    header += std::string("\x08\x00\x00\x00\x00", 5);                   // 8-bit grey
    QByteArray zeros = qCompress(QByteArray(4 << 20, '\0'), 9).mid(4);  // a zlib stream
    return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) +
           Chunk("IDAT", zeros.toStdString()) + Chunk("IEND", "");
}

std::string HeifClaiming(std::string heic, int w, int h) {
    for (std::size_t at = heic.find("ispe"); at != std::string::npos;
         at = heic.find("ispe", at + 4)) {
        if (at + 16 > heic.size()) break;
        heic.replace(at + 8, 8,
                     Be32(static_cast<std::uint32_t>(w)) + Be32(static_cast<std::uint32_t>(h)));
    }
    return heic;
}

}  // namespace orelle::testing
