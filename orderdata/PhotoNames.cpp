#include "orderdata/PhotoNames.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "orderdata/PhotoList.h"
#include "orderdata/TextCase.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

struct NameParts {
    std::string_view stem;
    std::string_view extension;  // from the last '.', dot included; empty without one
};

NameParts SplitAtLastDot(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return {fileName, {}};
    return {fileName.substr(0, dot), fileName.substr(dot)};
}

// Into out, whose buffer is reused from call to call.
void Numbered(std::string& out, std::string_view stem, std::string_view mark, int n,
              std::string_view extension) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.assign(stem);
    out += mark;
    out.append(digits, end);
    out += extension;
}

}  // namespace

std::string GetCopyNameFromSrc(const std::string& sourcePath, FileSystem& fs) {
    const std::string_view fileName = paths::FileNamePart(sourcePath);
    const std::string folder = sourcePath.substr(0, sourcePath.size() - fileName.size());
    const NameParts parts = SplitAtLastDot(fileName);
    std::string base = ToLowerAscii(parts.stem);
    base = base.substr(0, base.find("##"));
    const std::string prefix = folder + base;
    std::string candidate;
    for (int n = 1; n <= kMaxCopyNumber; ++n) {
        Numbered(candidate, prefix, "##", n, parts.extension);
        if (!fs.FileExists(candidate)) break;
    }
    return candidate;
}

std::string CopyBeside(const std::string& sourcePath, const std::string& workFolder) {
    if (workFolder.empty()) return sourcePath;
    const std::string inside = paths::WithTrailingSeparator(workFolder);
    if (sourcePath.compare(0, inside.size(), inside) == 0) return sourcePath;
    return paths::Join(inside, paths::FileNamePart(sourcePath));
}

std::string GetRealName(const std::string& path, const PhotoList& list) {
    int from = 1;
    return GetRealNameFrom(path, list, from);
}

std::string GetRealNameFrom(const std::string& path, const PhotoList& list, int& from) {
    const std::string_view fileName = paths::FileNamePart(path);
    if (list.GetSize() == 0) return std::string(fileName);
    std::string candidate = ToLowerAscii(fileName);
    if (!list.ContainsDstName(candidate)) return candidate;
    // '#' and digits have no case, so the parts are lowered once for every k.
    const NameParts parts = SplitAtLastDot(candidate);
    const std::string stem(parts.stem);
    const std::string extension(parts.extension);
    // Each k needs a record of its own to be refused: k stays within the list's size + 1.
    for (int k = std::max(from, 1);; ++k) {
        Numbered(candidate, stem, "#", k, extension);
        if (!list.ContainsDstName(candidate)) {
            from = k + 1;
            return candidate;
        }
    }
}

std::string GetRealNameByScan(const std::string& path, const PhotoList& list) {
    const std::size_t slash = path.rfind(paths::kSeparator);
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    if (list.GetSize() == 0) return fileName;
    const std::size_t dot = fileName.rfind('.');
    const std::string stem = fileName.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : fileName.substr(dot);
    std::string candidate = fileName;
    int k = 0;
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        if (EqualsIgnoreCase(candidate, list.At(i).dstName)) {
            candidate = stem + "#" + std::to_string(++k) + extension;
            i = -1;
        }
    }
    return ToLowerAscii(candidate);
}

}  // namespace orelle
