// The order texts of a 20 000-photo job on the shipped catalogue: the
// photo detail text with its product list, and the receipt's product table
// with prices, whose price look-ups are counted (one read of prices.ini is
// one look-up).

#include <cstdio>
#include <memory>
#include <set>
#include <string>

#include "orderdata/PrintCatalogue.h"
#include "orderdata/ProcessState.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/Paths.h"
#include "submit/OrderTexts.h"
#include "submit/ReceiptLines.h"
#include "support/Timing.h"

namespace {

class CountingFiles : public orelle::LocalFileSystem {
  public:
    bool ReadFile(const std::string& path, std::string* contents) override {
        if (path == prices) ++reads;
        return LocalFileSystem::ReadFile(path, contents);
    }
    std::string prices;
    int reads = 0;
};

}  // namespace

int main() {
    using namespace orelle;
    CountingFiles files;
    const std::string folder = paths::ProgramFolder();
    files.prices = PricesIniPath(folder);
    PrintCatalogue catalogue;
    catalogue.LoadCatalogue(folder, files);
    PhotoList list;
    std::set<std::int32_t> sizes;
    for (int i = 0; i < 20000; ++i) {
        auto r = std::make_unique<PhotoRecord>();
        r->dstName = "IMG_" + std::to_string(i) + ".jpg";
        r->origPath = "/card/DCIM/" + r->dstName;
        r->specIndex = i % 7 == 0 ? i % catalogue.GetCount() : 1;
        r->number = 1 + i % 3;
        r->bBrowsed = 1;
        sizes.insert(r->specIndex);
        list.Append(std::move(r));
    }
    std::size_t sink = 0;
    const double stat = bench::MedianSeconds(
        41, [&] { sink += BuildStatText(list, catalogue, false, 0).productList.size(); });
    files.reads = 0;
    ReceiptLineList once;
    GetOrderMxPStr(once, list, catalogue, ProductTable{"", "(光面)", true});
    const int lookups = files.reads;
    const double table = bench::MedianSeconds(41, [&] {
        ReceiptLineList lines;
        GetOrderMxPStr(lines, list, catalogue, ProductTable{"", "(光面)", true});
        sink += lines.size();
    });
    std::printf("# %zu print sizes with photos, %zu table lines (%zu)\n", sizes.size(), once.size(),
                sink);
    bench::Figure("stat_str_20000_ms", stat * 1e3, "ms");
    bench::Figure("order_lines_20000_ms", table * 1e3, "ms");
    std::printf("figure receipt_price_lookups %d\n", lookups);
    return lookups == static_cast<int>(sizes.size()) ? 0 : 1;
}
