#pragma once
// Where a card reader's cards appear.

#include <string>
#include <string_view>
#include <vector>

#include "platform/files/FileSystem.h"

namespace orelle {

// The folders the desktop mounts cards in, in the order they are looked
// for (none on Windows, where cards are drives).
std::vector<std::string> CardFolderCandidates(std::string_view user);
// The login name of the running user; empty when unknown.
std::string CurrentUserName();
// The first candidate that exists, with a trailing separator; empty when
// none does.
std::string CardStartFolder(FileSystem& fs, const std::vector<std::string>& candidates);
// A file system is mounted at path (a card, a disc, a disk).
bool IsMountPoint(const std::string& path);

}  // namespace orelle
