#include "platform/paths/CardFolders.h"

#include <QStorageInfo>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <tuple>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include "platform/paths/Paths.h"

namespace orelle {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace

std::vector<std::string> CardFolderCandidates(std::string_view user) {
#ifdef _WIN32
    (void)user;
    return {};
#else
    std::vector<std::string> folders;
    if (!user.empty()) {
        folders.push_back("/media/" + std::string(user));
        folders.push_back("/run/media/" + std::string(user));
    }
    folders.push_back("/mnt");
    return folders;
#endif
}

std::string CurrentUserName() {
#ifndef _WIN32
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name) return entry->pw_name;
#endif
    for (const char* name : {"USER", "USERNAME", "LOGNAME"}) {
        if (const char* value = std::getenv(name); value && *value) return value;
    }
    return "";
}

std::string CardStartFolder(FileSystem& fs, const std::vector<std::string>& candidates) {
    for (const std::string& folder : candidates) {
        if (fs.DirectoryExists(folder)) return paths::WithTrailingSeparator(folder);
    }
    return "";
}

bool IsMountPoint(const std::string& path) {
    const QString wanted = QString::fromStdString(paths::WithoutTrailingSeparator(path));
    const QStorageInfo storage(wanted);
    return storage.isValid() && storage.rootPath() == wanted;
}

std::vector<PickerRow> PickerRows(const std::vector<FolderEntry>& entries,
                                  const std::function<bool(const std::string& name)>& isPhoto,
                                  const std::function<bool(const std::string& name)>& isCard) {
    std::vector<PickerRow> rows;
    for (const FolderEntry& entry : entries) {
        if (entry.folder) {
            rows.push_back({entry.name, true, isCard(entry.name)});
        } else if (isPhoto(entry.name)) {
            rows.push_back({entry.name, false, false});
        }
    }
    const auto rank = [](const PickerRow& row) { return row.card ? 0 : row.folder ? 1 : 2; };
    std::sort(rows.begin(), rows.end(), [&](const PickerRow& a, const PickerRow& b) {
        return std::make_tuple(rank(a), Lower(a.name), a.name) <
               std::make_tuple(rank(b), Lower(b.name), b.name);
    });
    return rows;
}

}  // namespace orelle
