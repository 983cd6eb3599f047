#include "orderdata/ProductList.h"

#include <charconv>

namespace orelle {
namespace {

// As atol reads a count: leading digits, nothing else.
std::int64_t CountOf(const std::string& text) {
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::string ProductListItem(const std::string& code, const std::string& count) {
    return code + ":" + count + "/";
}

void AppendToCodes(std::string& productList, const std::string& text) {
    std::string out;
    out.reserve(productList.size() + 8 * text.size());
    for (char c : productList) {
        if (c == ':') out += text;
        out += c;
    }
    productList = std::move(out);
}

std::vector<ProductItem> ParseProductList(const std::string& productList) {
    std::vector<ProductItem> items;
    std::size_t start = 0;
    for (std::size_t slash; (slash = productList.find('/', start)) != std::string::npos;
         start = slash + 1) {
        const std::string item = productList.substr(start, slash - start);
        const std::size_t colon = item.find(':');
        if (colon == std::string::npos) {
            items.push_back({item, 0});
        } else {
            items.push_back({item.substr(0, colon), CountOf(item.substr(colon + 1))});
        }
    }
    return items;
}

}  // namespace orelle
