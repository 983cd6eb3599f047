#pragma once
// Files being written are made under a temporary name beside their target
// and renamed into place once whole. A process killed meanwhile leaves them
// behind; nothing refers to them, so they may go.

#include <string>

namespace orelle {

class FileSystem;

// Every temporary name begins with this.
inline constexpr const char* kPartialFilePrefix = ".partial-";

// Removes the temporary files below folder, in its subfolders too, but
// those of another process that still runs (the writer's process id follows
// the prefix): stations share a backup root. Only while this process writes
// nothing below folder.
void RemovePartialFiles(FileSystem& fs, const std::string& folder);

}  // namespace orelle
