#include "submit/AlbumList.h"

namespace orelle {

std::vector<AlbumItem> ParseAlbumList(std::string_view text) {
    std::vector<AlbumItem> items;
    if (text.empty()) return items;
    std::string_view rest = text.substr(1);
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        if (slash == std::string_view::npos) break;
        const std::string_view item = rest.substr(0, slash);
        const std::size_t colon = item.find(':');
        if (colon == std::string_view::npos) {
            items.push_back({std::string(item), {}});
        } else {
            items.push_back(
                {std::string(item.substr(0, colon)), std::string(item.substr(colon + 1))});
        }
        rest.remove_prefix(slash + 1);
    }
    return items;
}

}  // namespace orelle
