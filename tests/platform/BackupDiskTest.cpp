#include "platform/paths/BackupDisk.h"

#include <gtest/gtest.h>

#include "support/FakeDisks.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::FakeDisks;

TEST(BackupDiskTest, AFixedDiskWithAThousandMegabytesFreeOfTheFolderOrItsParent) {
    FakeDisks enough(1000), short_(999), removable(50000, false);
    EXPECT_TRUE(HasBackupSpace("/backup", enough));
    EXPECT_FALSE(HasBackupSpace("/backup", short_));
    EXPECT_FALSE(HasBackupSpace("/backup", removable));
    // A folder still to be made is on its parent's disk.
    testing::TempFolder dir;
    DiskFacts here, below;
    ASSERT_TRUE(DiskInfo::Default().Query(dir.path(), &here));
    ASSERT_TRUE(DiskInfo::Default().Query(dir / "not/yet/made/", &below));
    EXPECT_EQ(here.fixed, below.fixed);
    EXPECT_GT(here.freeBytes, 0u);
    // Memory-backed system folders are this machine's own, not removable.
    DiskFacts shm;
    if (DiskInfo::Default().Query("/dev/shm", &shm)) {
        EXPECT_TRUE(shm.fixed);
    }
}

}  // namespace
}  // namespace orelle
