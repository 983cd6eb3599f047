#include "orderdata/OrderFiles.h"

#include <gtest/gtest.h>

#include "orderdata/LocalOrderNumber.h"
#include "orderdata/OrderInfo.h"
#include "orderdata/PhotoIniWriter.h"
#include "orderdata/PhotoList.h"
#include "platform/clock/Clock.h"
#include "platform/ini/Profile.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::FixturePath;
using testing::MemoryFileSystem;
using testing::ReadBytes;

std::unique_ptr<PhotoRecord> Record(const std::string& file, const std::string& origDir,
                                    const std::string& origName, std::int32_t specIndex,
                                    const char* productID, std::int32_t number) {
    auto r = std::make_unique<PhotoRecord>();
    r->srcName = "/backup/2015-3-7/150307007/" + file;
    r->dstName = file;
    r->origDir = origDir;
    r->origName = origName;
    r->origPath = origDir + "/" + origName;
    r->specIndex = specIndex;
    r->productID = productID;
    r->number = number;
    return r;
}

// The job of the hand-written fixtures: three photos in three framings.
void FillJob(OrderInfo& info, PhotoList& list) {
    info.customer = {"0571-88886666", "13800000000", "000001", "张三", "杭州市西湖区文三路1号"};
    info.bespeak = "周六上午";
    info.memo = "6寸 2张\r\n7寸 1张";
    info.requir = "请调亮一些";
    info.backupDir = "/backup/2015-3-7/150307007/";
    info.productlist = "C6:2/C7:1/";
    info.paymode = 1;
    info.storeid = "S01";
    info.sendmode = 2;
    info.OrderAmount = 4.0f;

    auto a = Record("img_0001.jpg", "/media/card/DCIM/100CANON", "img_0001.jpg", 1, "C6", 2);
    a->rcDst = {2, 12, 285, 190};
    a->bBrowsed = 1;
    a->adddatetime = 1;
    auto b = Record("假期.jpg", "/media/card/旅行/", "假期.jpg", 3, "C7", 1);
    b->operate = kModeWhiteFill;
    b->angle = 90;
    b->bBrowsed = 1;
    auto c = Record("img_0001#1.jpg", "/media/card/DCIM/100CANON", "img_0001.jpg", 0, "C5", 0);
    c->operate = kModeZoom;
    c->rcDst = {10, 20, 200, 150};
    c->offsetSZX = -20;
    c->offsetSZY = 35;
    c->scale = 150;
    c->angle = 270;
    for (auto* r : {&a, &b, &c}) list.Append(std::move(*r));
}

class OrderFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs.CreateDirectories(paths.DayFolder());
        fs.files[paths.OrderIni()] = ReadBytes(FixturePath("orderdata/order_day_before.ini"));
        FillJob(info, list);
        info.storeDDH = NewLocalOrderNumber(paths, "150307", info, placed, fs);
        fs.CreateDirectories(paths.WorkFolder(info.storeDDH));
    }
    std::string DayValue(const std::string& key) {
        return Profile(paths.OrderIni(), fs).GetString(OrderIniSection(), key, "<none>");
    }
    std::string OrderIniSection() { return std::to_string(info.historyID); }

    MemoryFileSystem fs;
    OrderPaths paths{"/backup", "2015-3-7"};
    CustomerInfo customer;
    OrderInfo info{customer};
    PhotoList list;
    bool placed = true;
    FixedClock morning{{2015, 3, 7, 9, 5, 30}};
    FixedClock afternoon{{2015, 3, 7, 14, 20, 0}};
};

TEST_F(OrderFilesTest, WritesTheFilesByteForByte) {
    ASSERT_EQ(info.storeDDH, "150307007");
    OrderFiles files(paths, info, list, fs, morning);
    ASSERT_TRUE(files.WriteOrderFiles(false));
    EXPECT_EQ(fs.files[paths.PhotoIni("150307007")],
              ReadBytes(FixturePath("orderdata/photo_3_photos.ini")));
    EXPECT_EQ(fs.files[paths.OrderIni()], ReadBytes(FixturePath("orderdata/order_day_after.ini")));
}

TEST_F(OrderFilesTest, PlacingRewritesTheSectionInPlace) {
    OrderFiles(paths, info, list, fs, morning).WriteOrderFiles(false);
    info.saleDDH = "W150307000123";
    OrderFiles files(paths, info, list, fs, afternoon);
    ASSERT_TRUE(files.WriteOrderFiles(true));
    const std::string& day = fs.files[paths.OrderIni()];
    EXPECT_NE(day.find("[7]\r\nsaleDDH=W150307000123\r\nstoreDDH=150307007\r\n"),
              std::string::npos);
    EXPECT_NE(day.find("type=1\r\nbSuccess=-1\r\nsubmitdate=2015-3-7\r\nsubmittime=14:20:0\r\n"),
              std::string::npos);
    const std::string& job = fs.files[paths.PhotoIni("150307007")];
    EXPECT_NE(job.find("saleddh=W150307000123\r\n"), std::string::npos);
    EXPECT_NE(job.find("uploaded=0\r\nbSuccess=1\r\n"), std::string::npos);
}

TEST_F(OrderFilesTest, AlbumOrdersHaveNoAmountAndTheirAlbum) {
    info.albumid = "A88";
    info.OrderAmount = 12.5f;
    ASSERT_TRUE(OrderFiles(paths, info, list, fs, morning).WriteOrderFiles(true));
    const std::string& day = fs.files[paths.OrderIni()];
    EXPECT_NE(day.find("sendmode=2\r\nOrderAmount=0\r\nuploaded=0\r\ntype=10\r\nalbumid=A88\r\n"
                       "bSuccess=-1\r\n"),
              std::string::npos);
}

TEST_F(OrderFilesTest, LineBreaksInAnyFieldCannotBreakTheFile) {
    info.requir = "亮一些\r\n[1]\r\nnumber=99";
    list.RenameRecord(0, "x\r.jpg");
    ASSERT_TRUE(OrderFiles(paths, info, list, fs, morning).WriteOrderFiles(false));
    Profile job(paths.PhotoIni("150307007"), fs);
    EXPECT_EQ(job.GetString("orderinfo", "requir", ""), "亮一些  [1]  number=99");
    EXPECT_EQ(job.GetInt("1", "number", -1), 2);
    EXPECT_EQ(job.GetString("1", "dstName", ""), "x .jpg");
}

TEST_F(OrderFilesTest, AFailedOrderIniOrPhotoIniIsReportedAndNotConfirmed) {
    fs.refused.insert(paths.OrderIni());
    OrderFiles files(paths, info, list, fs, morning);
    EXPECT_FALSE(files.WriteOrderFiles(true));
    EXPECT_TRUE(fs.FileExists(paths.PhotoIni("150307007")));
    EXPECT_FALSE(files.ConfirmOrderFiles());

    fs.refused.clear();
    ASSERT_TRUE(files.WriteOrderFiles(false));
    const std::string before = fs.files[paths.PhotoIni("150307007")];
    fs.refused.insert(paths.PhotoIni("150307007"));
    list.At(0).number = 5;
    EXPECT_FALSE(files.WriteOrderFiles(true));
    EXPECT_EQ(fs.files[paths.PhotoIni("150307007")], before);  // the old file stays whole
    EXPECT_EQ(DayValue("bSuccess"), "-1");                     // what reached order.ini stays
    // The old photo.ini must not pass for the placed order's.
    EXPECT_FALSE(files.ConfirmOrderFiles());
    EXPECT_EQ(DayValue("bSuccess"), "0");
    fs.refused.clear();
    ASSERT_TRUE(files.WriteOrderFiles(true));
    EXPECT_TRUE(files.ConfirmOrderFiles());
}

TEST_F(OrderFilesTest, MissingWorkFolderOrNumberWritesNoPhotoIni) {
    info.storeDDH = "150307099";  // no such folder
    OrderFiles files(paths, info, list, fs, morning);
    EXPECT_FALSE(files.WriteOrderFiles(false));
    EXPECT_FALSE(files.ConfirmOrderFiles());
    EXPECT_EQ(DayValue("bSuccess"), "0");
    info.storeDDH.clear();
    const int writes = fs.replaceCount;
    EXPECT_FALSE(files.WriteOrderFiles(false));
    EXPECT_EQ(fs.replaceCount, writes);
}

TEST(PhotoIni, AnEmptyListEndsWithItsCount) {
    CustomerInfo customer;
    OrderInfo info{customer};
    PhotoList list;
    std::string text = FormatPhotoIni(info, false, list);
    EXPECT_NE(text.find("frate=97\r\n[photoid]\r\nphotonumb=0\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 13), "photonumb=0\r\n");
}

}  // namespace
}  // namespace orelle
