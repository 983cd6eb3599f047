#include "orderdata/OrderDate.h"

#include <gtest/gtest.h>

#include "orderdata/StartupData.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

TEST(OrderDate, UnpaddedDateAndTwoDigitPrefixFixedAtTheStart) {
    struct Case {
        LocalTime t;
        const char* dateStr;
        const char* prefix;
    } cases[] = {
        {{2015, 3, 7}, "2015-3-7", "150307"},
        {{2009, 12, 25}, "2009-12-25", "091225"},
        {{2000, 1, 1}, "2000-1-1", "000101"},
    };
    for (const Case& c : cases) {
        OrderDate d = OrderDate::From(c.t);
        EXPECT_EQ(d.dateStr + "|" + d.datePrefix, std::string(c.dateStr) + "|" + c.prefix);
    }
    // The start fixes the date of loading.
    testing::MemoryFileSystem fs;
    StartupData data;
    LoadStartupData(data, "/p", fs, FixedClock({2015, 3, 7, 23, 59, 59}));
    EXPECT_EQ(data.settingsFolder, "/p" + std::string(1, paths::kSeparator));
    EXPECT_EQ(data.date.dateStr, "2015-3-7");
    EXPECT_EQ(data.catalogue.GetCount(), 0);
}

}  // namespace
}  // namespace orelle
