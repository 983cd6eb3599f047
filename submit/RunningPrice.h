#pragma once
// The order's prints and what they cost at the shop's list prices, for the
// line under the cells: "共 12 张 门市价¥18.00". It says which price it is:
// the back office may charge a member less. The prices
// are read once into a table, so that the text can follow every edit
// without touching a file; the text is a walk over the list.

#include <cstdint>
#include <string>
#include <vector>

namespace orelle {

class PhotoList;
class PrintCatalogue;

// The store price of one print of each catalogue size, in cents, read from
// the price file; 0 where it has none. Reads the file: not on the UI thread.
std::vector<std::int64_t> StorePriceCents(const PrintCatalogue& catalogue);

// The order's prints per size (the statistics' counting) at those prices.
// A size with prints but no price names itself instead of a total that
// would be wrong. A studio package is priced by the studio: the count only.
std::string RunningPriceText(const PhotoList& list, const PrintCatalogue& catalogue,
                             const std::vector<std::int64_t>& priceCents, bool studioPackage);

}  // namespace orelle
