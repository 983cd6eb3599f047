// Naming the same photo once more in jobs of 1000 and 5000 photos that hold
// it already under every number (img.jpg, img#1.jpg, ...), through the
// dstName index against the plain scan of every record for each number.

#include <cstdio>
#include <memory>
#include <string>

#include "orderdata/PhotoList.h"
#include "orderdata/PhotoNames.h"
#include "platform/paths/Paths.h"
#include "support/Timing.h"

namespace orelle {
namespace {

const std::string& SamePhoto() {
    static const std::string path = paths::Join(paths::Join("card", "DCIM"), "img.jpg");
    return path;
}

// The names GetRealName gives when the photo is added count times in a row.
void FillWithCopies(PhotoList& list, int count) {
    for (int i = 0; i < count; ++i) {
        auto r = std::make_unique<PhotoRecord>();
        r->dstName = i == 0 ? "img.jpg" : "img#" + std::to_string(i) + ".jpg";
        list.Append(std::move(r));
    }
}

struct Times {
    double ours = 0;
    double scan = 0;
    double oursFresh = 0;  // a name no photo uses
    double scanFresh = 0;
};

Times Measure(int count) {
    PhotoList list;
    FillWithCopies(list, count);
    const std::string expected = "img#" + std::to_string(count) + ".jpg";
    if (GetRealName(SamePhoto(), list) != expected ||
        GetRealNameByScan(SamePhoto(), list) != expected) {
        std::printf("# wrong name for %d photos\n", count);
    }
    const std::string fresh = paths::Join("card", "other.jpg");
    std::string sink;
    Times t;
    t.ours = bench::MedianSeconds(41, [&] { sink = GetRealName(SamePhoto(), list); });
    t.scan = bench::MedianSeconds(count >= 5000 ? 5 : 11,
                                  [&] { sink = GetRealNameByScan(SamePhoto(), list); });
    t.oursFresh = bench::MedianSeconds(101, [&] { sink = GetRealName(fresh, list); });
    t.scanFresh = bench::MedianSeconds(41, [&] { sink = GetRealNameByScan(fresh, list); });
    std::printf(
        "# %5d photos, %d numbers taken: %9.1f us (plain scan %10.1f us); free name %6.2f us "
        "(plain scan %8.2f us)\n",
        count, count, t.ours * 1e6, t.scan * 1e6, t.oursFresh * 1e6, t.scanFresh * 1e6);
    return t;
}

}  // namespace
}  // namespace orelle

int main() {
    std::printf("# One call tries every taken number in turn, so its time grows with the\n");
    std::printf("# list even through the index (one lookup a number); the plain scan reads\n");
    std::printf("# the list again for each number. The per-call ratio divides each call by\n");
    std::printf("# the list's size: about 1 is linear, about 5 is quadratic.\n");
    orelle::Times t1000 = orelle::Measure(1000);
    orelle::Times t5000 = orelle::Measure(5000);
    orelle::bench::Figure("real_name_5000_us", t5000.ours * 1e6, "us");
    orelle::bench::Ratio("real_name_per_call_5000_vs_1000", t5000.ours / 5000, t1000.ours / 1000);
    orelle::bench::Ratio("real_name_scan_per_call_5000_vs_1000", t5000.scan / 5000,
                         t1000.scan / 1000);
    orelle::bench::Ratio("real_name_5000_vs_scan", t5000.ours, t5000.scan);
    orelle::bench::Ratio("real_name_free_5000_vs_1000", t5000.oursFresh, t1000.oursFresh);
    return 0;
}
