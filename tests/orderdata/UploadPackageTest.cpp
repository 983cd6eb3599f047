#include "orderdata/UploadPackage.h"

#include <gtest/gtest.h>

#include "orderdata/DirList.h"
#include "orderdata/OrderInfo.h"
#include "orderdata/PhotoList.h"
#include "orderdata/UploadList.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;

constexpr const char* kWork = "/backup/2015-3-7/150307007";
constexpr const char* kPackage = "/backup/2015-3-7/150307007/0020150307001/";

// One record as the uploader reads it, laid out here byte by byte.
std::string HandRecord(const std::string& remoteGbk, const std::string& localGbk, char kind) {
    std::string r(408, '\0');
    for (std::size_t i = 0; i < remoteGbk.size(); ++i) r[i] = remoteGbk[i];
    for (std::size_t i = 0; i < localGbk.size(); ++i) r[200 + i] = localGbk[i];
    r[404] = kind;  // little-endian: the low byte first, then three zeros
    return r;
}
std::string Folder(const std::string& remote) { return HandRecord(remote, "", 0); }
std::string File(const std::string& remote, const std::string& local) {
    return HandRecord(remote, local, 1);
}

class UploadPackageTest : public ::testing::Test {
  protected:
    UploadPackageTest() {
        info.storeDDH = "150307007";
        info.saleDDH = "0020150307001";
        fs.CreateDirectories(kWork);
    }

    void AddPhoto(const std::string& below, std::int32_t number = 1) {
        auto r = std::make_unique<PhotoRecord>();
        r->srcName = std::string(kWork) + "/" + below;
        r->number = number;
        list.Append(std::move(r));
    }

    UploadPackage Package() {
        UploadPackage p(paths, info, list, dirs, opened, fs);
        p.copyRetryWait = std::chrono::milliseconds(0);
        return p;
    }

    std::string Read(const std::string& path) {
        std::string bytes;
        fs.ReadFile(path, &bytes);
        return bytes;
    }
    std::string UpFile() { return Read(std::string(kPackage) + "upfile.pro"); }
    // The list of photos straight below the order of that number.
    static std::string Flat(const std::string& number, const std::vector<std::string>& photos) {
        const std::string s = "/2015-3-7/" + number, folder = std::string(kWork) + "/" + number;
        std::string list = Folder("/2015-3-7") + Folder(s);
        for (const std::string& p : photos) list += File(s + "/" + p, std::string(kWork) + "/" + p);
        return list + File(s + "/dlfile.pro", folder + "/dlfile.pro");
    }

    MemoryFileSystem fs;
    OrderPaths paths{"/backup", "2015-3-7"};
    CustomerInfo customer;
    OrderInfo info{customer};
    PhotoList list;
    DirList dirs;
    std::string opened;
};

TEST_F(UploadPackageTest, ListsFoldersFilesAndItselfRecordByRecord) {
    opened = "/media/card/DCIM/";
    dirs.AddIfAbsent("/media/card/DCIM");
    dirs.AddIfAbsent("/media/card/DCIM/100canon");
    dirs.AddIfAbsent("/home/guest/pictures");  // appended from elsewhere
    AddPhoto("100canon/img_1.jpg");
    AddPhoto("旅行/假期.jpg", 0);  // not ordered, listed all the same
    AddPhoto("3.jpg");             // an appended photo's copy

    ASSERT_TRUE(Package().MakeOrigOrder());

    const std::string s = "/2015-3-7/0020150307001";
    const std::string expected =
        Folder("/2015-3-7") + Folder(s) + Folder(s + "/DCIM") + Folder(s + "/DCIM") +
        Folder(s + "/DCIM/100canon") + Folder(s + "/DCIM") +
        File(s + "/DCIM/100canon/img_1.jpg", "/backup/2015-3-7/150307007/100canon/img_1.jpg") +
        File(s + "/DCIM/\xC2\xC3\xD0\xD0/\xBC\xD9\xC6\xDA.jpg",
             "/backup/2015-3-7/150307007/\xC2\xC3\xD0\xD0/\xBC\xD9\xC6\xDA.jpg") +
        File(s + "/DCIM/3.jpg", "/backup/2015-3-7/150307007/3.jpg") +
        File(s + "/dlfile.pro", std::string(kPackage) + "dlfile.pro");
    const std::string up = UpFile();
    EXPECT_EQ(up.size(), 408u * (6 + 3 + 1));
    for (std::size_t i = 0; i < expected.size() / 408; ++i)
        EXPECT_EQ(up.substr(i * 408, 408), expected.substr(i * 408, 408)) << "record " << i;
    EXPECT_EQ(Read(std::string(kPackage) + "dlfile.pro"), up);
    EXPECT_EQ(Read(std::string(kPackage) + "lumora.ini"), "150307007---000001");
}

TEST_F(UploadPackageTest, DoubledSeparatorsLeaveNoEmptySegment) {
    opened = "/media/card//DCIM//";
    dirs.AddIfAbsent("/media/card/DCIM//100canon");
    AddPhoto("/100canon//img_1.jpg");
    ASSERT_TRUE(Package().MakeOrigOrder());
    const std::string up = UpFile();
    const std::string s = "/2015-3-7/0020150307001";
    EXPECT_EQ(up.substr(3 * 408, 408), Folder(s + "/DCIM/100canon"));
    EXPECT_EQ(up.substr(4 * 408, 408),
              File(s + "/DCIM/100canon/img_1.jpg", std::string(kWork) + "/100canon/img_1.jpg"));
}

TEST(GetOrderDateTest, TakesYearMonthAndDayFromTheNumber) {
    const struct {
        const char* number;
        const char* date;
    } cases[] = {
        {"0020151205001", "2015-12-5"}, {"0020150307", "2015-3-7"},
        {"0020160229001", "2016-2-29"}, {"002015030", ""},  // too short
        {"00201a0307001", ""},          {"", ""},
        // Digits that are no calendar day.
        {"000020150101", ""}, {"0020150229001", ""}, {"0020151300001", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetOrderDate(c.number), c.date) << c.number;
}

// Without a folder or folder list, the files go straight below the order.
TEST_F(UploadPackageTest, ANumberWithoutADateGoesBelowTheOrderDate) {
    AddPhoto("a.jpg");
    AddPhoto("b/c.jpg");
    for (const char* number : {"0020150307001", "00123456", "01261208000001"}) {
        info.saleDDH = number;
        ASSERT_TRUE(Package().MakeOrigOrder()) << number;
        EXPECT_EQ(Read(std::string(kWork) + "/" + number + "/upfile.pro"),
                  Flat(number, {"a.jpg", "b/c.jpg"}))
            << number;
    }
}

TEST(UploadListTest, RefusesPathsThatDoNotFitTheirFields) {
    const std::string a199 = "/" + std::string(198, 'a');
    const std::string l203 = "/" + std::string(202, 'l');
    const struct {
        std::string remote, local;
        bool fits;
    } cases[] = {
        {a199, l203, true},
        {a199 + "a", l203, false},
        {a199, l203 + "l", false},
        {"/" + std::string(196, 'a') + "中", l203, true},   // 199 GBK bytes
        {"/" + std::string(197, 'a') + "中", l203, false},  // 200 GBK bytes
        {"/photo\xF0\x9F\x98\x80.jpg", "/x", false},        // no GBK form
    };
    for (const auto& c : cases) {
        UploadList list;
        EXPECT_EQ(list.AddFile(c.remote, c.local), c.fits) << c.remote.size();
        EXPECT_EQ(list.Bytes().size(), c.fits ? 408u : 0u);
    }
}

TEST_F(UploadPackageTest, AnyFileThatCannotBeWrittenFailsThePackage) {
    AddPhoto("a.jpg");
    for (const char* file : {"upfile.pro", "dlfile.pro", "lumora.ini"}) {
        fs = MemoryFileSystem();
        fs.CreateDirectories(kWork);
        fs.refused.insert(std::string(kPackage) + file);
        UploadPackage package = Package();
        EXPECT_FALSE(package.MakeOrigOrder()) << file;
        EXPECT_FALSE(package.CheckOrderOk()) << file;
    }
    // A stale copy of an earlier, whole try does not pass either.
    fs.refused.clear();
    ASSERT_TRUE(Package().MakeOrigOrder());
    AddPhoto("b.jpg");
    fs.refused.insert(std::string(kPackage) + "dlfile.pro");
    EXPECT_FALSE(Package().MakeOrigOrder());
}

TEST_F(UploadPackageTest, ABadOrderNumberOrAPathThatDoesNotFitWritesNothing) {
    AddPhoto("a.jpg");
    for (const char* number : {"", "..", "0020150307/../../x", "00201503..", "0020150307\\x"}) {
        info.saleDDH = number;
        EXPECT_FALSE(Package().MakeOrigOrder()) << number;
    }
    EXPECT_EQ(fs.replaceCount, 0);

    // A file or folder that does not fit fails the package uncut.
    info.saleDDH = "0020150307001";
    opened = "/media/" + std::string(190, 'd');
    EXPECT_FALSE(Package().MakeOrigOrder());
    EXPECT_FALSE(fs.FileExists(std::string(kPackage) + "upfile.pro"));
    opened.clear();
    list.RemoveAll();
    AddPhoto(std::string(190, 'x') + ".jpg");
    EXPECT_FALSE(Package().MakeOrigOrder());
    EXPECT_FALSE(fs.FileExists(std::string(kPackage) + "upfile.pro"));
}

}  // namespace
}  // namespace orelle
