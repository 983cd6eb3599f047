#pragma once
// Where a card reader's cards appear, and how a folder's rows are listed for
// a customer looking for a card: cards first, then folders, then photos.

#include <functional>
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

struct PickerRow {
    std::string name;
    bool folder = false;
    bool card = false;  // a folder that is a mounted card
};

// The folders and the photos (isPhoto, asked of file names) of a listing:
// cards, other folders, photos, each group by name without regard to case.
// isCard is asked of folder names only.
std::vector<PickerRow> PickerRows(const std::vector<FolderEntry>& entries,
                                  const std::function<bool(const std::string& name)>& isPhoto,
                                  const std::function<bool(const std::string& name)>& isCard);

}  // namespace orelle
