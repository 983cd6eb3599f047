#include "platform/imaging/Code128.h"

#include <vector>

namespace orelle {
namespace {

// Bar and space widths of each symbol value, bar first.
constexpr const char* kPatterns[] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232"};
constexpr const char* kStop = "2331112";
constexpr int kCodeB = 100, kStartB = 104, kStartC = 105;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Symbol values, start and check included.
std::vector<int> Symbols(const std::string& text) {
    std::vector<int> out;
    std::size_t pairs = 0;
    while (pairs < text.size() && IsDigit(text[pairs])) ++pairs;
    pairs = pairs == text.size() && pairs >= 2 ? pairs / 2 : 0;
    std::size_t i = 0;
    if (pairs > 0) {
        out.push_back(kStartC);
        for (; i < pairs * 2; i += 2) out.push_back((text[i] - '0') * 10 + text[i + 1] - '0');
        if (i < text.size()) out.push_back(kCodeB);
    } else {
        out.push_back(kStartB);
    }
    for (; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 32 || c > 126) return {};
        out.push_back(c - 32);
    }
    int check = out.front();
    for (std::size_t k = 1; k < out.size(); ++k) check += static_cast<int>(k) * out[k];
    out.push_back(check % 103);
    return out;
}

void AppendWidths(ModuleGrid& grid, const char* widths) {
    bool bar = true;
    for (const char* w = widths; *w; ++w, bar = !bar)
        grid.dark.insert(grid.dark.end(), static_cast<std::size_t>(*w - '0'), bar ? 1 : 0);
}

}  // namespace

ModuleGrid Code128Modules(const std::string& text) {
    ModuleGrid grid;
    if (text.empty()) return grid;
    const std::vector<int> symbols = Symbols(text);
    if (symbols.empty()) return grid;
    for (int s : symbols) AppendWidths(grid, kPatterns[s]);
    AppendWidths(grid, kStop);
    grid.columns = static_cast<int>(grid.dark.size());
    grid.rows = 1;
    return grid;
}

}  // namespace orelle
