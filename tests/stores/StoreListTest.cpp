// Reading storelist.ini into pickup points, towns and streets.
#include <gtest/gtest.h>

#include "stores/StoreList.h"
#include "stores/StoreListRefresh.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::GbkText;

// Two towns, the second without streets; store 2 has no serid, store 3 is
// withdrawn (-1).
const char* const kDirectory =
    "[storecount]<br>count=4<br>notify=周日休息<br>"
    "[1]<br>serid=101<br>storename=东门店<br>storeaddr=东门路1号<br>storetel=5550001<br>streetcode="
    "S1<br>"
    "[2]<br>storename=无号店<br>streetcode=S1<br>"
    "[3]<br>serid=-1<br>storename=旧店<br>streetcode=S1<br>"
    "[4]<br>serid=104<br>storename=西门店<br>streetcode=S2<br>"
    "[towncount]<br>count=2<br>[town1]<br>code=T1<br>town=城关镇<br>[town2]<br>code=T2<br>town="
    "新镇<br>"
    "[streetcount]<br>count=2<br>[street1]<br>code=S1<br>street=东街<br>towncode=T1<br>"
    "[street2]<br>code=S2<br>street=西街<br>towncode=T1<br>";

StoreList Directory() { return ParseStoreList(GbkText(WithLineBreaks(kDirectory))); }

TEST(StoreListTest, ALineBrokenReplyReadsAsTheDirectory) {
    const StoreList list = Directory();
    EXPECT_EQ(list.notify, "周日休息");
    ASSERT_EQ(list.points.size(), 2u);
    EXPECT_EQ(list.points[0].serid, "101");
    EXPECT_EQ(list.points[0].storename, "东门店");
    EXPECT_EQ(list.points[0].storeaddr, "东门路1号");
    EXPECT_EQ(list.points[0].storetel, "5550001");
    EXPECT_EQ(list.points[1].serid, "104");
    EXPECT_EQ(list.points[1].storetel, " ");  // missing texts read as a blank
    ASSERT_EQ(list.towns.size(), 2u);
    EXPECT_EQ(list.towns[1].town, "新镇");
    ASSERT_EQ(list.streets.size(), 2u);
    // A town's streets and a street's points keep file order.
    EXPECT_EQ(list.StreetsOf(0), (std::vector<std::size_t>{0, 1}));
    EXPECT_TRUE(list.StreetsOf(1).empty());  // a town without streets
    EXPECT_TRUE(list.StreetsOf(7).empty());
    EXPECT_EQ(list.PointsOf("S1"), (std::vector<std::size_t>{0}));
    EXPECT_EQ(list.PointsOf("S2"), (std::vector<std::size_t>{1}));
}

TEST(StoreListTest, TextsAreCutToTheirFieldsAtCharacterBoundaries) {
    const std::string text =
        "[storecount]\r\ncount=1\r\n[1]\r\nserid=123456789\r\n"
        "storetel=0123456789012345678\r\nstorename=" +
        std::string(60, 'n') + "\r\nstreetcode=一二三四\r\n";
    const StoreList list = ParseStoreList(GbkText(text));
    ASSERT_EQ(list.points.size(), 1u);
    EXPECT_EQ(list.points[0].serid, "1234567");
    EXPECT_EQ(list.points[0].storetel, "012345678901234");
    EXPECT_EQ(list.points[0].storename, std::string(51, 'n'));
    EXPECT_EQ(list.points[0].streetcode, "一二三");  // 7 bytes hold three characters
}

TEST(StoreListTest, SectionsBeyondTheCountAndDuplicatesAreLeftOutWhateverTheCount) {
    const std::string text =
        "[storecount]\r\ncount=2\r\n[2]\r\nserid=b\r\n[1]\r\nserid=a\r\n"
        "[1]\r\nserid=dup\r\n[3]\r\nserid=c\r\n[01]\r\nserid=z\r\n";
    const StoreList list = ParseStoreList(text);
    ASSERT_EQ(list.points.size(), 2u);
    EXPECT_EQ(list.points[0].serid, "a");
    EXPECT_EQ(list.points[1].serid, "b");
    // A huge count visits only the sections there, a negative one none.
    const StoreList huge = ParseStoreList(
        "[storecount]\r\ncount=2147483647\r\n[5]\r\nserid=x\r\n[towncount]\r\ncount=-4\r\n"
        "[town1]\r\ncode=1\r\n");
    ASSERT_EQ(huge.points.size(), 1u);
    EXPECT_TRUE(huge.towns.empty());
}

TEST(StoreListTest, AHundredThousandSectionsAreRead) {
    std::string text = "[storecount]\r\ncount=100000\r\n";
    for (int i = 1; i <= 100000; ++i)
        text += "[" + std::to_string(i) + "]\r\nserid=" + std::to_string(i) + "\r\n";
    const StoreList list = ParseStoreList(text);
    ASSERT_EQ(list.points.size(), 100000u);
    EXPECT_EQ(list.points.back().serid, "100000");
}

}  // namespace
}  // namespace orelle
