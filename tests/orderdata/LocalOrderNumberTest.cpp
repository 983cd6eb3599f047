#include "orderdata/LocalOrderNumber.h"

#include <gtest/gtest.h>

#include "orderdata/OrderInfo.h"
#include "platform/ini/Profile.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;

TEST(LocalOrderNumber, AtLeastThreeDigits) {
    struct Case {
        std::int32_t n;
        const char* number;
    } cases[] = {{1, "150307001"},   {7, "150307007"},   {10, "150307010"},   {99, "150307099"},
                 {100, "150307100"}, {123, "150307123"}, {1000, "1503071000"}};
    for (const Case& c : cases) EXPECT_EQ(FormatLocalOrderNumber("150307", c.n), c.number);
}

class LocalOrderNumberTest : public ::testing::Test {
  protected:
    std::string Draw() { return NewLocalOrderNumber(paths, "150307", info, placed, fs); }
    std::int32_t Idmax() { return Profile(paths.OrderIni(), fs).GetInt("idcount", "idmax", -1); }

    MemoryFileSystem fs;
    OrderPaths paths{"/backup", "2015-3-7"};
    CustomerInfo customer;
    OrderInfo info{customer};
    bool placed = true;
};

TEST_F(LocalOrderNumberTest, FirstJobOfTheDayIsOne) {
    EXPECT_EQ(Draw(), "150307001");
    EXPECT_EQ(info.historyID, 1);
    EXPECT_FALSE(placed);
    EXPECT_TRUE(fs.DirectoryExists("/backup/2015-3-7"));
    EXPECT_EQ(Idmax(), 2);
    EXPECT_EQ(Draw(), "150307002");
    EXPECT_EQ(Idmax(), 3);
}

TEST_F(LocalOrderNumberTest, ExistingWorkFoldersAreNeverReused) {
    // order.ini lost, but the jobs 1 and 2 of the day are on the disk.
    fs.CreateDirectories("/backup/2015-3-7/150307001");
    fs.CreateDirectories("/backup/2015-3-7/150307002");
    EXPECT_EQ(Draw(), "150307003");
    EXPECT_EQ(info.historyID, 3);
    EXPECT_EQ(Idmax(), 4);
    // The draw made its job's folder. A damaged counter reads as 0 and
    // restarts at the first free number.
    EXPECT_TRUE(fs.DirectoryExists("/backup/2015-3-7/150307003"));
    fs.files["/backup/2015-3-7/order.ini"] = "[idcount]\r\nidmax=garbage\r\n";
    EXPECT_EQ(Draw(), "150307004");
}

// Regression: at the end of the counter the next job reused the previous
// job's number (and the load then removed that job's folder).
TEST_F(LocalOrderNumberTest, AtTheEndOfTheCounterNoNumberIsGiven) {
    fs.CreateDirectories("/backup/2015-3-7");
    fs.files["/backup/2015-3-7/order.ini"] = "[idcount]\r\nidmax=2147483646\r\n";
    EXPECT_EQ(Draw(), "1503072147483646");  // the last one
    EXPECT_EQ(Idmax(), 2147483647);
    info.historyID = 7;
    EXPECT_EQ(Draw(), "");
    EXPECT_EQ(Idmax(), 2147483647);
    EXPECT_EQ(info.historyID, 7);
    // The last number taken by a folder already: none is left either.
    fs.files["/backup/2015-3-7/order.ini"] = "[idcount]\r\nidmax=2147483646\r\n";
    fs.CreateDirectories("/backup/2015-3-7/1503072147483646");
    EXPECT_EQ(Draw(), "");
}

TEST(LocalOrderNumberOnDisk, KeepsCountingAcrossRestarts) {
    testing::TempFolder tmp;
    OrderPaths paths{tmp / "backup", "2015-3-7"};
    for (int run = 1; run <= 3; ++run) {
        // Each run is a new process: nothing but the files carries over.
        LocalFileSystem fs;
        CustomerInfo customer;
        OrderInfo info{customer};
        bool placed = true;
        EXPECT_EQ(NewLocalOrderNumber(paths, "150307", info, placed, fs),
                  FormatLocalOrderNumber("150307", run));
        EXPECT_EQ(info.historyID, run);
    }
}

}  // namespace
}  // namespace orelle
