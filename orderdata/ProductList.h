#pragma once
// The order's product list as the back office takes it: "code:count/" per
// print size ("P1:2/P2:1/"). Built from the size totals, given the paper
// and finish suffixes while placing, read back for the database's rows.

#include <cstdint>
#include <string>
#include <vector>

namespace orelle {

// One item "code:count/".
std::string ProductListItem(const std::string& code, const std::string& count);

// The text appended to the code of every item (before each ':').
void AppendToCodes(std::string& productList, const std::string& text);

// One item of a product list: code and count. Items are read while a '/'
// is left; a count that is no number reads as 0.
struct ProductItem {
    std::string code;
    std::int64_t count = 0;
};
std::vector<ProductItem> ParseProductList(const std::string& productList);

}  // namespace orelle
