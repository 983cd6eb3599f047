#include "orderdata/PhotoFileKinds.h"

#include "orderdata/TextCase.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

std::string UpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

bool IsPhotoName(std::string_view name) {
    const std::string extension = ToLowerAscii(paths::ExtensionPart(name));
    for (std::string_view e : kPhotoExtensions)
        if (extension == e) return true;
    return false;
}

std::uint64_t CopyBytesAtMost(std::string_view name, std::uint64_t bytes) {
    // HEVC keeps a photo in about a third of what JPEG at quality 95 takes.
    constexpr std::uint64_t kHeifToJpeg = 4;
    const std::string extension = ToLowerAscii(paths::ExtensionPart(name));
    return extension == "heic" || extension == "heif" ? bytes * kHeifToJpeg : bytes;
}

std::string JpegCopyName(const std::string& name) {
    const std::string_view extension = paths::ExtensionPart(name);
    const std::string lower = ToLowerAscii(extension);
    if (lower == "jpg" || lower == "jpeg") return name;
    const std::size_t stem = extension.empty() ? name.size() : name.size() - extension.size() - 1;
    return name.substr(0, stem) + ".jpg";
}

std::vector<std::string> PhotoNamePatterns() {
    std::vector<std::string> patterns;
    for (std::string_view e : kPhotoExtensions) patterns.push_back("*." + std::string(e));
    // Pickers on case-sensitive file systems match letter case.
    for (std::string_view e : kPhotoExtensions) patterns.push_back("*." + UpperAscii(e));
    return patterns;
}

}  // namespace orelle
