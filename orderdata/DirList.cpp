#include "orderdata/DirList.h"

#include <algorithm>

#include "orderdata/ListGrowth.h"
#include "orderdata/TextCase.h"

namespace orelle {

void DirList::AddIfAbsent(const std::string& folder) {
    bool present = std::any_of(dirs_.begin(), dirs_.end(),
                               [&](const std::string& d) { return EqualsIgnoreCase(d, folder); });
    if (present) return;
    ReserveForAppend(dirs_);
    dirs_.push_back(folder);
}

}  // namespace orelle
