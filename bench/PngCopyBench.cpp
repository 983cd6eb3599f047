// The station's copy of a 64-megapixel PNG photo (the largest it takes):
// its time and the memory it costs on top of the file's bytes, as copied
// (rows encoded as they are decoded) and when the picture is held whole
// (a photo that has to be turned).

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureOnPaper.h"
#include "platform/imaging/StationCopy.h"
#include "platform/paths/Paths.h"
#include "support/PeakMemory.h"
#include "support/Timing.h"

namespace {

constexpr int kSide = 8192;

// Gradients under a grain of noise, as a photo compresses; kept between runs.
bool MakePhoto(const std::string& path) {
    if (std::filesystem::exists(path)) return true;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, kSide, kSide, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    std::vector<png_byte> row(3 * std::size_t{kSide});
    unsigned noise = 1;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int grain = static_cast<int>(noise >> 28) - 8;
            png_byte* p = &row[3 * static_cast<std::size_t>(x)];
            p[0] = static_cast<png_byte>(std::clamp(x / 40 + grain, 0, 255));
            p[1] = static_cast<png_byte>(std::clamp(y / 40 + grain, 0, 255));
            p[2] = static_cast<png_byte>(std::clamp((x + y) / 80 + grain, 0, 255));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

std::string ReadAll(const std::string& path) {
    std::string bytes(std::filesystem::file_size(path), '\0');
    std::ifstream(path, std::ios::binary)
        .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scratch = orelle::bench::ScratchFolderArg(argc, argv);
    if (scratch.empty()) return 2;
    const std::string path = orelle::paths::Join(scratch, "png_copy_64mp.png");
    if (!MakePhoto(path)) return 1;
    const std::string bytes = ReadAll(path);
    orelle::bench::ResetPeakRss();
    const double held = orelle::bench::PeakRssMb();
    std::printf("# a PNG of %d x %d, %.0f MB, held in memory: %.0f MB resident\n", kSide, kSide,
                static_cast<double>(bytes.size()) / (1 << 20), held);
    double start = orelle::bench::CpuSeconds();
    const orelle::StationCopy copy = orelle::StationCopyFromBytes(bytes);
    if (copy.made.empty()) return 1;
    orelle::bench::Figure("png_copy_64mp_seconds", orelle::bench::CpuSeconds() - start, "s");
    orelle::bench::Figure("png_copy_64mp_peak_above_file", orelle::bench::PeakRssMb() - held, "MB");
    // With "copy" the run ends here, for a measure of the whole process.
    if (argc > 2 && std::string(argv[2]) == "copy") return 0;
    orelle::bench::ResetPeakRss();
    start = orelle::bench::CpuSeconds();
    if (orelle::CopyJpeg(orelle::DecodePng(bytes)).empty()) return 1;
    orelle::bench::Figure("png_copy_64mp_whole_seconds", orelle::bench::CpuSeconds() - start, "s");
    orelle::bench::Figure("png_copy_64mp_whole_peak_above_file", orelle::bench::PeakRssMb() - held,
                          "MB");
    return 0;
}
