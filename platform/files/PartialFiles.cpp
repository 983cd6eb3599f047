#include "platform/files/PartialFiles.h"

#include <vector>

#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"

namespace orelle {

void RemovePartialFiles(FileSystem& fs, const std::string& folder) {
    std::vector<FolderEntry> entries;
    if (!fs.ListFolder(folder, &entries)) return;
    for (const FolderEntry& e : entries) {
        const std::string path = paths::Join(folder, e.name);
        if (e.link) continue;  // never followed out of the backup root
        if (e.folder) {
            RemovePartialFiles(fs, path);
        } else if (e.name.starts_with(kPartialFilePrefix)) {
            fs.RemoveFile(path);
        }
    }
}

}  // namespace orelle
