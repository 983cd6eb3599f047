#pragma once
// How a folder's rows are listed for a customer looking for a card: cards
// first, then folders, then the photos the station takes (IsPhotoName).

#include <functional>
#include <string>
#include <vector>

#include "platform/files/FileSystem.h"

namespace orelle {

struct PickerRow {
    std::string name;
    bool folder = false;
    bool card = false;  // a folder that is a mounted card
};

// Each group by name without regard to case; files that are not photos are
// left out. isCard is asked of folder names only.
std::vector<PickerRow> PickerRows(const std::vector<FolderEntry>& entries,
                                  const std::function<bool(const std::string& name)>& isCard);

}  // namespace orelle
