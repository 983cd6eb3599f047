#pragma once
// The pickup point directory as storelist.ini holds it: pickup points,
// towns and streets in file order, texts cut to the sizes of their
// fields. Window-free; the chooser dialog shows it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orelle {

struct PickupPoint {
    std::string serid;
    std::string storename;
    std::string storeaddr;
    std::string storetel;
    std::string streetcode;
};

struct Town {
    std::string code;
    std::string town;
};

struct Street {
    std::string code;
    std::string street;
    std::string towncode;
};

struct StoreList {
    std::string notify;
    std::vector<PickupPoint> points;
    std::vector<Town> towns;
    std::vector<Street> streets;

    // Indexes into streets of the town's streets, in file order.
    std::vector<std::size_t> StreetsOf(std::size_t town) const;
    // Indexes into points of the street code's pickup points, in file order.
    std::vector<std::size_t> PointsOf(std::string_view streetCode) const;
};

// Reads the file's GBK bytes. Sections "1" to storecount/count (then
// "town%d", "street%d" to their counts) are read in number order; only
// sections present in the text are visited, so a huge count costs nothing.
// A pickup point without serid, or with serid -1, is left out. Missing
// texts read as one blank.
StoreList ParseStoreList(std::string_view gbkBytes);

}  // namespace orelle
