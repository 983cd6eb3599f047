#include "orderdata/StationName.h"

#include <QString>
#include <QSysInfo>
#include <cstdint>
#include <cstdio>

#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

// FNV-1a: the same value on every build and platform, unlike std::hash.
std::uint32_t Fnv1a(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : text) hash = (hash ^ c) * 16777619u;
    return hash;
}

}  // namespace

std::string StationName(const std::string& settingsFolder, FileSystem& fs) {
    std::string absolute = fs.ResolvedPath(settingsFolder);
    if (absolute.empty()) absolute = settingsFolder;
    std::string name;
    for (const char c : QSysInfo::machineHostName().toStdString()) {
        if (name.size() == 32) break;
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') name += c;
        if (c >= 'A' && c <= 'Z') name += static_cast<char>(c - 'A' + 'a');
    }
    if (name.empty()) name = "station";
    char hash[10];
    // The folder named with or without its trailing separator is one station.
    std::snprintf(hash, sizeof hash, "-%08x", Fnv1a(paths::WithTrailingSeparator(absolute)));
    return name + hash;
}

}  // namespace orelle
