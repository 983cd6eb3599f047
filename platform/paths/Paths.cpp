#include "platform/paths/Paths.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace orelle::paths {

namespace {

std::string& ProgramFolderOverride() {
    static std::string folder;
    return folder;
}

}  // namespace

void SetProgramFolder(std::string folder) {
    ProgramFolderOverride() = folder.empty() ? std::string() : WithTrailingSeparator(folder);
}

std::string ProgramFolder() {
    if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return std::string(1, '.') + kSeparator;
    std::string exe(buf, static_cast<std::size_t>(n));
    return std::string(DirectoryPart(exe)) + kSeparator;
}

std::string DefaultBackupRoot() {
#ifdef _WIN32
    return "c:\\backup";
#else
    const char* home = std::getenv("HOME");
    std::string base = home && *home ? home : "/tmp";
    return Join(base, "orelle-backup");
#endif
}

bool IsAbsolute(std::string_view path) {
#ifdef _WIN32
    return (path.size() >= 2 && path[1] == ':') ||
           (!path.empty() && (path[0] == '\\' || path[0] == '/'));
#else
    return !path.empty() && path[0] == '/';
#endif
}

std::string Join(std::string_view a, std::string_view b) {
    std::string out(a);
    if (!out.empty() && out.back() != kSeparator) out += kSeparator;
    out += b;
    return out;
}

std::string WithTrailingSeparator(std::string_view folder) {
    std::string out(folder);
    if (out.empty() || out.back() != kSeparator) out += kSeparator;
    return out;
}

std::string WithoutTrailingSeparator(std::string_view folder) {
    while (folder.size() > 1 && folder.back() == kSeparator) folder.remove_suffix(1);
    return std::string(folder);
}

std::string_view DirectoryPart(std::string_view path) {
    std::size_t at = path.rfind(kSeparator);
    return at == std::string_view::npos ? std::string_view() : path.substr(0, at);
}

std::string_view FileNamePart(std::string_view path) {
    std::size_t at = path.rfind(kSeparator);
    return at == std::string_view::npos ? path : path.substr(at + 1);
}

std::string_view ExtensionPart(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

}  // namespace orelle::paths
