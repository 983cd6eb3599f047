#include "orderdata/LocalOrderNumber.h"

#include <gtest/gtest.h>

#include "orderdata/OrderInfo.h"
#include "platform/ini/Profile.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;

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
    EXPECT_EQ(std::make_tuple(info.historyID, placed, Idmax()), std::make_tuple(1, false, 2));
    EXPECT_TRUE(fs.DirectoryExists("/backup/2015-3-7"));
    EXPECT_EQ(Draw(), "150307002");
    EXPECT_EQ(Idmax(), 3);
}

TEST_F(LocalOrderNumberTest, ExistingWorkFoldersAreNeverReused) {
    // order.ini lost, but the jobs 1 and 2 of the day are on the disk.
    fs.CreateDirectories("/backup/2015-3-7/150307001");
    fs.CreateDirectories("/backup/2015-3-7/150307002");
    EXPECT_EQ(Draw(), "150307003");
    EXPECT_EQ(std::make_pair(info.historyID, Idmax()), std::make_pair(3, 4));
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
    EXPECT_EQ(std::make_pair(Idmax(), info.historyID), std::make_pair(2147483647, 7));
    // The last number taken by a folder already: none is left either.
    fs.files["/backup/2015-3-7/order.ini"] = "[idcount]\r\nidmax=2147483646\r\n";
    fs.CreateDirectories("/backup/2015-3-7/1503072147483646");
    EXPECT_EQ(Draw(), "");
}

}  // namespace
}  // namespace orelle
