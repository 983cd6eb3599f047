#include "orderdata/PhotoList.h"

#include <gtest/gtest.h>

#include <tuple>

#include "orderdata/DirList.h"
#include "orderdata/PhotoRecordFactory.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/paths/Paths.h"

namespace orelle {
namespace {

std::unique_ptr<PhotoRecord> Named(const std::string& dst, std::int32_t number = 1,
                                   std::int32_t browsed = 1) {
    auto r = std::make_unique<PhotoRecord>();
    r->dstName = dst;
    r->origPath = "/card/" + dst;
    r->number = number;
    r->bBrowsed = browsed;
    return r;
}

PrintCatalogue ThreeSizes() {
    PrintCatalogue c;
    c.Append({"C5", "5寸", 5, 3.5f, 0, 0});
    c.Append({"C6", "6寸", 6, 4, 0, 0});
    c.Append({"C7", "7寸", 7, 5, 0, 0});
    return c;
}

TEST(PhotoList, RemoveAndInsertKeepTheJobOrder) {
    PhotoList list;
    for (const char* name : {"a", "b", "c"}) list.Append(Named(name));
    list.RemoveAt(0);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list.At(0).dstName + list.At(1).dstName, "bc");
    list.InsertAt(1, Named("x"));
    list.InsertAt(99, Named("z"));
    EXPECT_EQ(list.At(1).dstName + list.At(3).dstName, "xz");
    list.RemoveAt(4);
    list.RemoveAt(-1);
    EXPECT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list.Find(4), nullptr);
    EXPECT_EQ(list.Find(-1), nullptr);
    list.RemoveAll();
    EXPECT_EQ(list.GetSize(), 0);
    EXPECT_FALSE(list.ContainsCustomerFile("/card/a"));
}

TEST(PhotoList, CountsOnlyBrowsedPhotosWithPrints) {
    PhotoList list;
    EXPECT_EQ(list.GetPCount(), 0);
    list.Append(Named("a", 2, 1));
    list.Append(Named("b", 0, 1));
    list.Append(Named("c", 1, 0));
    list.Append(Named("d", 1, 1));
    EXPECT_EQ(list.GetPCount(), 2);
}

TEST(PhotoList, CustomerFilesAreFoundWithoutRegardToCase) {
    PhotoList list;
    list.Append(Named("IMG_1.JPG"));
    list.Append(Named("IMG_1.JPG"));  // a copy of the photo shares its customer file
    EXPECT_TRUE(list.ContainsCustomerFile("/CARD/img_1.jpg"));
    list.RemoveAt(0);
    EXPECT_TRUE(list.ContainsCustomerFile("/card/IMG_1.JPG"));
    list.RemoveAt(0);
    EXPECT_FALSE(list.ContainsCustomerFile("/card/IMG_1.JPG"));
}

TEST(PhotoList, SetRecordGeometryFollowsItsFlags) {
    PhotoList list;
    list.Append(Named("a"));
    list.SetRecordGeometry(5, 6, 1, 2, 300, 200, false, true, 0);
    PhotoRecord& r = list.At(0);
    const auto geometry = [&r] {
        return std::make_tuple(r.rcDst.left, r.rcDst.top, r.rcDst.width, r.rcDst.height,
                               r.offsetSZX, r.offsetSZY);
    };
    EXPECT_EQ(geometry(), std::make_tuple(1, 2, 300, 200, 0, 0));
    list.SetRecordGeometry(-5, 6, 9, 9, 1, 1, true, false, 0);
    EXPECT_EQ(geometry(), std::make_tuple(1, 2, 300, 200, -5, 6));
    list.SetRecordGeometry(0, 0, 0, 0, 0, 0, false, true, 1);  // index equal to the count
    EXPECT_EQ(geometry(), std::make_tuple(1, 2, 300, 200, -5, 6));
}

TEST(PhotoRecordFactory, NewRecordsCarryTheCreatorsDefaults) {
    PrintCatalogue catalogue = ThreeSizes();
    DirList dirs;
    const std::string S(1, paths::kSeparator);
    auto r = CreatePhotoRecord("/w/a.jpg", "a.jpg", S + "Card" + S + "DCIM" + S + "IMG_7.JPG",
                               {2, 1, kModeCrop}, catalogue, dirs);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(std::tie(r->origName, r->origDir, r->productID, r->scale, r->bBrowsed),
              std::make_tuple("img_7.jpg", S + "Card" + S + "DCIM", "C7", 100, 0));
    EXPECT_EQ(r->extra, (std::array<std::int32_t, 3>{-1, 0, 0}));
    EXPECT_EQ(dirs.GetSize(), 1);
    // The default size 3 is beyond a three-size catalogue: no code.
    auto d = CreatePhotoRecord("/w/b.jpg", "b.jpg", "/card/dcim/b.jpg", RecordDefaults{}, catalogue,
                               dirs);
    EXPECT_EQ(d->productID, "");
    EXPECT_EQ(dirs.GetSize(), 1);  // same folder, other letter case
    EXPECT_EQ(dirs.At(0), S + "Card" + S + "DCIM");
}

TEST(PhotoRecordFactory, TextsThatDoNotFitAreRefused) {
    PrintCatalogue catalogue = ThreeSizes();
    DirList dirs;
    std::string longName(170, 'n');
    EXPECT_EQ(CreatePhotoRecord("/w/x.jpg", longName, "/c/x.jpg", {}, catalogue, dirs), nullptr);
    // 125 Chinese characters are 250 GBK bytes: one past the 249 that fit.
    std::string chinese;
    for (int i = 0; i < 125; ++i) chinese += "照";
    EXPECT_EQ(CreatePhotoRecord("/w/" + chinese, "x", "/c/x.jpg", {}, catalogue, dirs), nullptr);
    EXPECT_EQ(dirs.GetSize(), 0);
    EXPECT_NE(CreatePhotoRecord(std::string(249, 's'), std::string(169, 'd'), "/c/x.jpg", {},
                                catalogue, dirs),
              nullptr);
}

TEST(PhotoRecordFactory, ProductCodeFollowsTheSizeUnlessSetApart) {
    PrintCatalogue catalogue = ThreeSizes();
    PhotoRecord r;
    r.specIndex = 0;
    r.productID = "C5";
    SetRecordSpec(r, 1, catalogue);
    EXPECT_EQ(r.productID, "C6");
    r.productID = "SPECIAL";
    SetRecordSpec(r, 2, catalogue);
    EXPECT_EQ(std::tie(r.specIndex, r.productID), std::make_tuple(2, "SPECIAL"));
    r.productID = "C7";
    SetRecordSpec(r, -1, catalogue);
    EXPECT_EQ(r.productID, "");
}

}  // namespace
}  // namespace orelle
