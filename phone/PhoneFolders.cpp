#include "phone/PhoneFolders.h"

#include <QString>
#include <QSysInfo>
#include <cstdint>
#include <cstdio>

#include "phone/PhoneSession.h"
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

std::string PhoneStationName(const std::string& host, const std::string& absoluteSettingsFolder) {
    std::string name;
    for (const char c : host) {
        if (name.size() == 32) break;
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') name += c;
        if (c >= 'A' && c <= 'Z') name += static_cast<char>(c - 'A' + 'a');
    }
    if (name.empty()) name = "station";
    char hash[10];
    // The folder named with or without its trailing separator is one station.
    std::snprintf(hash, sizeof hash, "-%08x",
                  Fnv1a(paths::WithTrailingSeparator(absoluteSettingsFolder)));
    return name + hash;
}

std::string PhoneStationFolder(const std::string& backupRoot, const std::string& settingsFolder,
                               FileSystem& fs) {
    std::string absolute = fs.ResolvedPath(settingsFolder);
    if (absolute.empty()) absolute = settingsFolder;
    const std::string station =
        PhoneStationName(QSysInfo::machineHostName().toStdString(), absolute);
    return paths::WithTrailingSeparator(paths::Join(paths::Join(backupRoot, "phone"), station));
}

std::string NewPhoneSessionFolder(const std::string& stationFolder) {
    return paths::WithTrailingSeparator(paths::Join(stationFolder, NewPhoneToken()));
}

void RemovePhoneLeftovers(const std::string& backupRoot, const std::string& settingsFolder,
                          FileSystem& fs) {
    fs.RemoveTree(PhoneStationFolder(backupRoot, settingsFolder, fs));
}

}  // namespace orelle
