// Reading storelist.ini into pickup points, towns and streets.
#include <gtest/gtest.h>

#include "stores/StoreDirectory.h"
#include "stores/StoreList.h"
#include "stores/StoreListRefresh.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;

StoreList Directory() { return ParseStoreList(GbkText(WithLineBreaks(testing::kStoreDirectory))); }

TEST(StoreListTest, ALineBrokenReplyReadsAsTheDirectory) {
    const StoreList list = Directory();
    EXPECT_EQ(list.notify, "营业时间 9:00-18:00");
    ASSERT_EQ(list.points.size(), 3u);
    const PickupPoint &first = list.points[0], &last = list.points[2];
    EXPECT_EQ(std::tie(first.serid, first.storename, first.storeaddr, first.storetel),
              std::make_tuple("101", "东门店", "东门路1号", "5550001"));
    // Missing texts read as a blank.
    EXPECT_EQ(std::tie(last.serid, last.storetel), std::make_tuple("104", " "));
    ASSERT_EQ(list.towns.size(), 2u);
    EXPECT_EQ(list.towns[1].town, "新镇");
    ASSERT_EQ(list.streets.size(), 2u);
    // A town's streets and a street's points keep file order.
    EXPECT_EQ(list.StreetsOf(0), (std::vector<std::size_t>{0, 1}));
    EXPECT_TRUE(list.StreetsOf(1).empty());  // a town without streets
    EXPECT_TRUE(list.StreetsOf(7).empty());
    EXPECT_EQ(list.PointsOf("S1"), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(list.PointsOf("S2"), (std::vector<std::size_t>{2}));
}

TEST(StoreListTest, TextsAreCutToTheirFieldsAtCharacterBoundaries) {
    const std::string text =
        "[storecount]\r\ncount=1\r\n[1]\r\nserid=123456789\r\n"
        "storetel=0123456789012345678\r\nstorename=" +
        std::string(60, 'n') + "\r\nstreetcode=一二三四\r\n";
    const StoreList list = ParseStoreList(GbkText(text));
    ASSERT_EQ(list.points.size(), 1u);
    const PickupPoint& p = list.points[0];
    // The street's 7 bytes hold three characters.
    EXPECT_EQ(std::tie(p.serid, p.storetel, p.storename, p.streetcode),
              std::make_tuple("1234567", "012345678901234", std::string(51, 'n'), "一二三"));
}

TEST(StoreListTest, SectionsBeyondTheCountAndDuplicatesAreLeftOutWhateverTheCount) {
    const std::string text =
        "[storecount]\r\ncount=2\r\n[2]\r\nserid=b\r\n[1]\r\nserid=a\r\n"
        "[1]\r\nserid=dup\r\n[3]\r\nserid=c\r\n[01]\r\nserid=z\r\n";
    const StoreList list = ParseStoreList(text);
    ASSERT_EQ(list.points.size(), 2u);
    EXPECT_EQ(list.points[0].serid + list.points[1].serid, "ab");
    // A huge count visits only the sections there, a negative one none.
    const StoreList huge = ParseStoreList(
        "[storecount]\r\ncount=2147483647\r\n[5]\r\nserid=x\r\n[towncount]\r\ncount=-4\r\n"
        "[town1]\r\ncode=1\r\n");
    ASSERT_EQ(huge.points.size(), 1u);
    EXPECT_TRUE(huge.towns.empty());
}

}  // namespace
}  // namespace orelle
