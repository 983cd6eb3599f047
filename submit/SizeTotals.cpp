#include "submit/SizeTotals.h"

#include <algorithm>

#include "orderdata/PhotoList.h"

namespace orelle {

std::vector<std::int64_t> SizeTotals(const PhotoList& list, std::int32_t sizeCount) {
    std::vector<std::int64_t> totals(static_cast<std::size_t>(std::max(sizeCount, 0)), 0);
    for (std::int32_t i = 0; i < list.GetSize(); ++i) {
        const PhotoRecord& r = list.At(i);
        if (!IsOrdered(r)) continue;
        if (r.specIndex < 0 || r.specIndex >= sizeCount) continue;
        totals[static_cast<std::size_t>(r.specIndex)] += r.number;
    }
    return totals;
}

}  // namespace orelle
