#include "platform/paths/CardFolders.h"

#include <QStorageInfo>
#include <QString>
#include <cstdlib>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include "platform/paths/Paths.h"

namespace orelle {
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

}  // namespace orelle
