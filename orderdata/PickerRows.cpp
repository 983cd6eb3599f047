#include "orderdata/PickerRows.h"

#include <algorithm>
#include <tuple>

#include "orderdata/PhotoFileKinds.h"
#include "orderdata/TextCase.h"

namespace orelle {

std::vector<PickerRow> PickerRows(const std::vector<FolderEntry>& entries,
                                  const std::function<bool(const std::string& name)>& isCard) {
    std::vector<PickerRow> rows;
    for (const FolderEntry& entry : entries) {
        if (entry.folder) {
            rows.push_back({entry.name, true, isCard(entry.name)});
        } else if (IsPhotoName(entry.name)) {
            rows.push_back({entry.name, false, false});
        }
    }
    const auto rank = [](const PickerRow& row) { return row.card ? 0 : row.folder ? 1 : 2; };
    std::sort(rows.begin(), rows.end(), [&](const PickerRow& a, const PickerRow& b) {
        return std::make_tuple(rank(a), ToLowerAscii(a.name), a.name) <
               std::make_tuple(rank(b), ToLowerAscii(b.name), b.name);
    });
    return rows;
}

}  // namespace orelle
