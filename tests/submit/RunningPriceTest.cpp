#include "submit/RunningPrice.h"

#include <gtest/gtest.h>

#include "support/SmallCatalogue.h"

namespace orelle {
namespace {

// The small catalogue and two sizes the price file does not know.
struct PricedJob : testing::SmallCatalogue {
    PricedJob() {
        catalogue.Append(PrintSpec{"C8", "8寸", 6, 8, 0, 0});
        catalogue.Append(PrintSpec{"C10", "10寸", 8, 10, 0, 0});
        cents = StorePriceCents(catalogue);
        files.priceReads = 0;
    }
    std::string Text(bool studio = false) const {
        return RunningPriceText(list, catalogue, cents, studio);
    }
    std::vector<std::int64_t> cents;
};

TEST(RunningPrice, ReadsTheStorePriceOfEverySizeOnce) {
    testing::SmallCatalogue job;
    EXPECT_EQ(StorePriceCents(job.catalogue), (std::vector<std::int64_t>{80, 100, 120, 1250}));
    EXPECT_EQ(job.files.priceReads, 4);
}

TEST(RunningPrice, CountsTheOrdersPrintsAtTheirPrices) {
    PricedJob job;
    EXPECT_EQ(job.Text(), "共 0 张 门市价¥0.00");
    job.Add(2, 3);     // 3 x 1.20
    job.Add(0, 12);    // 12 x 0.80
    job.Add(0, 0);     // not ordered
    job.Add(3, 4, 0);  // not seen
    job.Add(-1, 2);    // no size
    EXPECT_EQ(job.Text(), "共 15 张 门市价¥13.20");
    // A copy of a photo is one more record of its size.
    job.Add(3, 1);
    EXPECT_EQ(job.Text(), "共 16 张 门市价¥25.70");
    EXPECT_EQ(job.files.priceReads, 0);  // an edit reads no file
}

TEST(RunningPrice, ASizeWithoutPriceGivesNoTotal) {
    PricedJob job;
    job.Add(1, 2);
    job.Add(4, 3);
    EXPECT_EQ(job.Text(), "共 5 张 8寸无价格");
    job.Add(5, 1);
    EXPECT_EQ(job.Text(), "共 6 张 8寸等无价格");
    // Prices not read yet count as none.
    EXPECT_EQ(RunningPriceText(job.list, job.catalogue, {}, false), "共 6 张 A4等无价格");
    // A studio package is counted, not priced.
    EXPECT_EQ(job.Text(true), "共 6 张");
}

}  // namespace
}  // namespace orelle
