#include "platform/files/PartialFiles.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <vector>

#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

// A name ".partial-<pid>-..." of another process that still runs: another
// station on the same backup root is writing it.
bool WrittenByOther(const std::string& name) {
    const std::string_view rest = std::string_view(name).substr(std::string_view(kPartialFilePrefix).size());
    int pid = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (ec != std::errc() || end == rest.data() || end == rest.data() + rest.size() ||
        *end != '-' || pid <= 0 || pid == ::getpid())
        return false;
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

void RemovePartialFiles(FileSystem& fs, const std::string& folder) {
    std::vector<FolderEntry> entries;
    if (!fs.ListFolder(folder, &entries)) return;
    for (const FolderEntry& e : entries) {
        const std::string path = paths::Join(folder, e.name);
        if (e.link) continue;  // never followed out of the backup root
        if (e.folder) {
            RemovePartialFiles(fs, path);
        } else if (e.name.starts_with(kPartialFilePrefix) && !WrittenByOther(e.name)) {
            fs.RemoveFile(path);
        }
    }
}

}  // namespace orelle
