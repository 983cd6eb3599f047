// Removing a job never placed (its folder and section, CustomerJobTest):
// a placed order and every other entry stay.

#include "orderdata/UnplacedJob.h"

#include <gtest/gtest.h>

#include "platform/ini/Profile.h"
#include "support/MemoryDay.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

using testing::Put;

class UnplacedJobTest : public ::testing::Test {
  protected:
    UnplacedJobTest() {
        Put(fs, paths.OrderIni(),
            "[idcount]\r\nidmax=4\r\n[1]\r\nstoreDDH=261207001\r\nbSuccess=0\r\n"
            "[2]\r\nstoreDDH=261207002\r\nbSuccess=-1\r\n[3]\r\nstoreDDH=261207003\r\n"
            "bSuccess=0\r\n");
        for (const char* job : {"261207001", "261207002", "261207003"}) {
            Put(fs, paths.WorkFolder(job) + "/a.jpg");
            Put(fs, paths.PhotoIni(job), "[orderinfo]\r\nbSuccess=0\r\n");
        }
    }

    testing::MemoryFileSystem fs;
    const OrderPaths paths{"/backup", "2026-12-7"};
};

TEST_F(UnplacedJobTest, OnlyTheJobsOwnFilesGoAndAPlacedOrderNeverWhicheverFileSaysSo) {
    ASSERT_TRUE(RemoveUnplacedJob(paths, "261207001", fs));
    EXPECT_EQ(Profile(paths.OrderIni(), fs).GetInt("idcount", "idmax", 0), 4)
        << "no number is drawn twice";
    EXPECT_TRUE(fs.FileExists(paths.PhotoIni("261207003")));
    EXPECT_FALSE(RemoveUnplacedJob(paths, "261207002", fs));
    EXPECT_TRUE(fs.FileExists(paths.PhotoIni("261207002")));
    // Only its photo.ini says placed (the index not yet told).
    Put(fs, paths.PhotoIni("261207003"), "[orderinfo]\r\nbSuccess=1\r\n");
    EXPECT_FALSE(RemoveUnplacedJob(paths, "261207003", fs));
    const Profile day(paths.OrderIni(), fs);
    EXPECT_TRUE(day.HasSection("2") && day.HasSection("3"));
    for (const char* outside : {"", "..", "261207001/.."})
        EXPECT_FALSE(RemoveUnplacedJob(paths, outside, fs)) << outside;
    EXPECT_TRUE(fs.DirectoryExists(paths.DayFolder()));
}

}  // namespace
}  // namespace orelle
