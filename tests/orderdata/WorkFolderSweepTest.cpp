// The customers' photos are kept as long as the settings say: placed
// orders' folders by days, jobs never placed by hours, and never what a
// station holds or may still take up.
#include "orderdata/WorkFolderSweep.h"

#include <gtest/gtest.h>

#include "orderdata/OrderPaths.h"
#include "orderdata/StationJob.h"
#include "orderdata/UnplacedJob.h"
#include "support/MemoryDay.h"
#include "support/MemoryFileSystem.h"

namespace orelle {
namespace {

using testing::Put;

struct Job {
    const char* day;
    const char* storeDDH;
    const char* mark;  // bSuccess of its section; nullptr: no section
    const char* time;  // submittime
    bool kept;
    const char* what;
};

// Now: 9 December 2026, 12:00; the station's day began on the 9th.
const LocalTime kNow{2026, 12, 9, 12, 0, 0};

// clang-format off
const Job kJobs[] = {
    {"2026-12-1", "261201001", "-1", "9:0:0", false, "placed 8 days ago"},
    {"2026-12-5", "261205001", "-1", "9:0:0", true, "placed 4 days ago"},
    {"2026-12-1", "261201002", "0", "9:0:0", false, "never placed, 8 days"},
    {"2026-12-8", "261208001", "0", "10:0:0", false, "never placed, 26 hours"},
    {"2026-12-8", "261208002", "0", "13:0:0", true, "never placed, 23 hours"},
    {"2026-12-8", "261208003", "0", "9:0:0", true, "held by a running station"},
    {"2026-12-8", "261208004", "0", "9:0:0", true, "its station may still take it up"},
    {"2026-12-8", "261208005", "0", "9:0:0", true, "the back office has its word"},
    {"2026-12-8", "261208006", "0", "9:0:0", true, "photo.ini says placed"},
    {"2026-12-7", "261207001", nullptr, "", false, "a load cut off two days ago"},
    {"2026-12-9", "261209001", nullptr, "", true, "a load of today"},
};
// clang-format on

class WorkFolderSweepTest : public ::testing::Test {
  protected:
    WorkFolderSweepTest() {
        for (const Job& j : kJobs) {
            const OrderPaths paths{"/backup", j.day};
            Put(fs, paths.PhotoIni(j.storeDDH),
                std::string("[orderinfo]\r\nbSuccess=") +
                    (std::string(j.what) == "photo.ini says placed" ? "1" : "0") + "\r\n");
            Put(fs, paths.WorkFolder(j.storeDDH) + "/img.jpg", std::string(1000, 'x'));
            if (!j.mark) continue;
            std::string ini;
            fs.ReadFile(paths.OrderIni(), &ini);
            ini += std::string("[") + (j.storeDDH + 6) + "]\r\nstoreDDH=" + j.storeDDH +
                   "\r\nbSuccess=" + j.mark + "\r\nsubmitdate=" + j.day +
                   "\r\nsubmittime=" + j.time + "\r\n";
            Put(fs, paths.OrderIni(), ini);
        }
        Put(fs, OrderPaths{"/backup", "2026-12-8"}.WorkFolder("261208005") + "/backoffice.ini");
        Hold("/backup/stations/a", "261208003", {2026, 12, 8, 9, 0, 0});
        fs.heldElsewhere.insert(StationLockPath("/backup/stations/a"));
        Hold("/backup/stations/b", "261208004", {2026, 12, 9, 11, 50, 0});
    }

    void Hold(const std::string& station, const char* job, LocalTime changed) {
        StationJob record;
        record.dateStr = "2026-12-8";
        record.storeDDH = job;
        record.started = record.changed = changed;
        record.minutes = 15;
        ASSERT_TRUE(WriteStationJob(StationJobPath(station), record, fs));
        Put(fs, StationLockPath(station), "");
    }

    testing::MemoryFileSystem fs;
};

TEST_F(WorkFolderSweepTest, RemovesWhatIsOlderThanKeptAndNothingAStationHolds) {
    const SweepCount count = SweepWorkFolders("/backup", "2026-12-9", {7, 24}, kNow, fs);
    for (const Job& j : kJobs) {
        const OrderPaths paths{"/backup", j.day};
        EXPECT_EQ(fs.DirectoryExists(paths.WorkFolder(j.storeDDH)), j.kept) << j.what;
        // A removed job that was never placed leaves no section behind.
        if (j.mark && std::string(j.mark) == "0") {
            EXPECT_EQ(ReadJobMark(paths, j.storeDDH, fs).named, j.kept) << j.what;
        }
    }
    EXPECT_EQ(count.placed, 1);
    EXPECT_EQ(count.unplaced, 3);
    // The day index of removed placed orders stays for the shop's books.
    EXPECT_TRUE(ReadJobMark({"/backup", "2026-12-1"}, "261201001", fs).placed);
}

TEST_F(WorkFolderSweepTest, NothingGoesWhileKeptForEverNorFromTheStationsOwnDay) {
    SweepWorkFolders("/backup", "2026-12-9", {0, 0}, kNow, fs);
    // A station that began on the 1st still files its orders there.
    SweepWorkFolders("/backup", "2026-12-1", {7, 0}, kNow, fs);
    for (const Job& j : kJobs)
        EXPECT_TRUE(fs.DirectoryExists(OrderPaths{"/backup", j.day}.WorkFolder(j.storeDDH)))
            << j.what;
}

TEST_F(WorkFolderSweepTest, APlacedJobIsNeverRemovedAsUnplaced) {
    EXPECT_FALSE(RemoveUnplacedJob({"/backup", "2026-12-5"}, "261205001", fs));
    EXPECT_TRUE(fs.DirectoryExists("/backup/2026-12-5/261205001"));
    EXPECT_FALSE(RemoveUnplacedJob({"/backup", "2026-12-8"}, "..", fs));
    EXPECT_TRUE(RemoveUnplacedJob({"/backup", "2026-12-8"}, "261208002", fs));
    EXPECT_FALSE(fs.DirectoryExists("/backup/2026-12-8/261208002"));
    EXPECT_TRUE(ReadJobMark({"/backup", "2026-12-8"}, "261208001", fs).named);
}

TEST_F(WorkFolderSweepTest, TheCheckCountsTheDaysAndTheirRoom) {
    const RootUsage usage = MeasureBackupRoot("/backup", fs);
    EXPECT_EQ(usage.days, 5);
    EXPECT_GE(usage.bytes, 11u * 1000u);
    EXPECT_LT(usage.bytes, 11u * 1000u + 2000u);
}

}  // namespace
}  // namespace orelle
