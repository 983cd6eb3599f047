// A pickup point directory of 5000 points as getslist.asp sends it, read
// into the chooser's lists: line breaks, the INI text, points, towns and
// streets, and the first town's first street picked out.

#include <string>

#include "stores/StoreList.h"
#include "stores/StoreListRefresh.h"
#include "support/Timing.h"

int main() {
    constexpr int kPoints = 5000, kTowns = 20, kStreets = 200;
    std::string reply =
        "[storecount]<br>count=" + std::to_string(kPoints) + "<br>notify=营业时间<br>";
    for (int i = 1; i <= kPoints; ++i) {
        const std::string n = std::to_string(i);
        reply += "[" + n + "]<br>serid=" + n + "<br>storename=第" + n +
                 "取件点<br>storeaddr=幸福路" + n + "号<br>storetel=555" + n + "<br>streetcode=S" +
                 std::to_string(i % kStreets) + "<br>";
    }
    reply += "[towncount]<br>count=" + std::to_string(kTowns) + "<br>";
    for (int i = 1; i <= kTowns; ++i)
        reply += "[town" + std::to_string(i) + "]<br>code=T" + std::to_string(i) + "<br>town=镇" +
                 std::to_string(i) + "<br>";
    reply += "[streetcount]<br>count=" + std::to_string(kStreets) + "<br>";
    for (int i = 0; i < kStreets; ++i)
        reply += "[street" + std::to_string(i + 1) + "]<br>code=S" + std::to_string(i) +
                 "<br>street=街" + std::to_string(i) + "<br>towncode=T" +
                 std::to_string(i % kTowns + 1) + "<br>";
    std::size_t shown = 0;
    const double t = orelle::bench::MedianSeconds(21, [&] {
        const orelle::StoreList list = orelle::ParseStoreList(orelle::WithLineBreaks(reply));
        const auto streets = list.StreetsOf(0);
        shown = list.points.size() +
                (streets.empty() ? 0 : list.PointsOf(list.streets[streets[0]].code).size());
    });
    std::printf("# %d pickup points, %d towns, %d streets, median of 21\n", kPoints, kTowns,
                kStreets);
    orelle::bench::Figure("store_list_5000_ms", t * 1e3, "ms");
    return shown > static_cast<std::size_t>(kPoints) ? 0 : 1;
}
