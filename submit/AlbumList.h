#pragma once
// The album list text of the album login: a backslash, then per album its
// id, ":", its name and "/".

#include <string>
#include <string_view>
#include <vector>

namespace orelle {

struct AlbumItem {
    std::string id;
    std::string name;
};

// The albums in the order of the text. A rest without "/" cannot be an
// album: reading stops there. An item without ":" has an empty name and
// its whole text as id.
std::vector<AlbumItem> ParseAlbumList(std::string_view text);

}  // namespace orelle
