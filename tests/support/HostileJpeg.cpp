#include "support/HostileJpeg.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace orelle::testing {
namespace {

std::size_t FindMarker(const std::string& jpeg, char marker, std::size_t from = 0) {
    const std::size_t at = jpeg.find(std::string{'\xFF', marker}, from);
    if (at == std::string::npos) throw std::runtime_error("marker not found");
    return at;
}

std::size_t SegmentEnd(const std::string& jpeg, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(jpeg[i]); };
    return at + 2 + (std::size_t{byte(at + 2)} << 8 | byte(at + 3));
}

}  // namespace

std::string EncodedJpeg(int w, int h, JpegKind kind, bool progressive) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = kind == JpegKind::kGrey ? 1 : kind == JpegKind::kCmyk ? 4 : 3;
    cinfo.in_color_space = kind == JpegKind::kGrey   ? JCS_GRAYSCALE
                           : kind == JpegKind::kCmyk ? JCS_CMYK
                                                     : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 85, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(w) * cinfo.input_components);
    while (cinfo.next_scanline < cinfo.image_height) {
        const unsigned y = cinfo.next_scanline;
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<unsigned char>((i / cinfo.input_components + y) * 255 / (w + h));
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    jpeg_destroy_compress(&cinfo);
    free(out);
    return bytes;
}

std::string WithFrameSize(std::string jpeg, int w, int h) {
    std::size_t at = 2;
    while (true) {
        at = jpeg.find('\xFF', at);
        const auto m = static_cast<unsigned char>(jpeg.at(at + 1));
        if (m == 0xC0 || m == 0xC1 || m == 0xC2) break;
        at = SegmentEnd(jpeg, at);
    }
    jpeg[at + 5] = static_cast<char>(h >> 8);
    jpeg[at + 6] = static_cast<char>(h & 0xFF);
    jpeg[at + 7] = static_cast<char>(w >> 8);
    jpeg[at + 8] = static_cast<char>(w & 0xFF);
    return jpeg;
}

std::string WithCommentFlood(const std::string& jpeg, int n) {
    std::string flood;
    flood.reserve(static_cast<std::size_t>(n) * 4);
    for (int i = 0; i < n; ++i) flood += std::string("\xFF\xFE\x00\x02", 4);
    return jpeg.substr(0, 2) + flood + jpeg.substr(2);
}

std::string WithEmptyScans(const std::string& jpeg, int n) {
    std::size_t last = FindMarker(jpeg, '\xDA');
    for (std::size_t next; (next = jpeg.find("\xFF\xDA", last + 2)) != std::string::npos;)
        last = next;
    const std::string header = jpeg.substr(last, SegmentEnd(jpeg, last) - last);
    const std::size_t end = jpeg.rfind("\xFF\xD9");
    std::string scans;
    scans.reserve(header.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) scans += header;
    return jpeg.substr(0, end) + scans + jpeg.substr(end);
}

std::string CutAndClosed(const std::string& jpeg, std::size_t keep) {
    return jpeg.substr(0, keep) + "\xFF\xD9";
}

std::string WithStrayBytes(std::string jpeg) {
    const std::size_t dqt = FindMarker(jpeg, '\xDB');
    return jpeg.insert(dqt, "\x11\x22\x33");
}

}  // namespace orelle::testing
