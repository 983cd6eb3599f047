// The folder load's decisions without a window: what refuses a load and
// leaves the job alone, what a new job starts with, and what joins it.

#include "orderdata/FolderLoad.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "orderdata/OrderPaths.h"
#include "orderdata/ProcessState.h"
#include "platform/jobs/JobContext.h"
#include "support/FakeDisks.h"
#include "support/MemoryDay.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::FakeDisks;
using testing::MemoryFileSystem;

class FolderLoadSteps : public ::testing::Test {
  protected:
    FolderLoadSteps() {
        testing::OnMemoryDay(state);
        for (const char* name : {"/card/a.jpg", "/card/b.JPG", "/card/sub/c.jpg", "/card/d.txt"})
            testing::Put(fs, name);
        // The job of an earlier customer.
        auto earlier = std::make_unique<PhotoRecord>();
        earlier->srcName = "/backup/old/x.jpg";
        state.photoList.Append(std::move(earlier));
        state.orderInfo.storeDDH = "261207009";
    }

    MemoryFileSystem fs;
    FakeDisks disks;
    ProcessState state;
    FolderLoad load{state, fs, disks};
};

TEST(FolderLoadRoom, ACardThatCannotFitIsRefusedBeforeAnyCopy) {
    testing::TempFolder dir;
    testing::WriteBytes(dir / "card/small.jpg", "photo");
    testing::WriteBytes(dir / "card/big.jpg", "photo");
    std::filesystem::resize_file(dir / "card/big.jpg", std::uint64_t{3} << 30);  // sparse
    LocalFileSystem fs;
    ProcessState state;
    state.startup.config.dir = dir / "backup";
    FakeDisks roomy(5000);
    EXPECT_EQ(FolderLoad(state, fs, roomy).Check(dir / "card", {}), nullptr);
    FakeDisks tight(2000);  // over the 1000 MB rule, short of 3 GB
    EXPECT_STREQ(FolderLoad(state, fs, tight).Check(dir / "card", {}), kNoBackupSpaceMessage);
    // Only the chosen photos count.
    EXPECT_EQ(FolderLoad(state, fs, tight).Check(dir / "card", {dir / "card/small.jpg"}), nullptr);
    // A phone's HEIF photo of 1 GB becomes a JPEG copy of several.
    testing::WriteBytes(dir / "phone/IMG_1.HEIC", "photo");
    std::filesystem::resize_file(dir / "phone/IMG_1.HEIC", std::uint64_t{1} << 30);
    EXPECT_STREQ(FolderLoad(state, fs, tight).Check(dir / "phone", {}), kNoBackupSpaceMessage);
    EXPECT_EQ(FolderLoad(state, fs, roomy).Check(dir / "phone", {}), nullptr);
}

TEST_F(FolderLoadSteps, ANewJobStartsEmptyInAFreshFolderAndTakesTheCopies) {
    ASSERT_EQ(load.Check("/card", {}), nullptr);
    EXPECT_EQ(load.PhotoCount(), 3u);
    state.session.bOrderPlaced = true;
    load.OpenJob(false);
    const OrderPaths paths{"/backup", "2026-12-7"};
    const std::string work = paths.WorkFolder(state.orderInfo.storeDDH);
    EXPECT_EQ(state.orderInfo.storeDDH, "261207001");
    EXPECT_EQ(state.orderInfo.backupDir, work + "/");
    EXPECT_TRUE(fs.DirectoryExists(work));
    EXPECT_EQ(state.photoList.GetSize(), 0);
    const char* first = "unset";
    EXPECT_FALSE(load.TreeFails(&first));

    InlineJobContext context;
    int seen = 0;
    ASSERT_TRUE(load.Copy(context, [&](const PhotoList& made) { seen = made.GetSize(); }));
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(state.photoList.GetSize(), 0) << "nothing joins before Finish";
    ASSERT_TRUE(load.Finish(true));
    ASSERT_EQ(state.photoList.GetSize(), 3);
    EXPECT_EQ(state.photoList.At(0).srcName, work + "/sub/c.jpg");  // subfolders first
    EXPECT_TRUE(fs.FileExists(work + "/sub/c.jpg"));
    EXPECT_FALSE(state.session.bOrderPlaced);
}

TEST_F(FolderLoadSteps, AnAppendKeepsTheJobAndAFailedOneItsFolder) {
    state.orderInfo.backupDir = "/backup/2026-12-7/261207009/";
    testing::Put(fs, "/backup/2026-12-7/261207009/x.jpg");
    ASSERT_EQ(load.Check("/card", {"/card/a.jpg"}), nullptr);
    EXPECT_EQ(load.PhotoCount(), 1u);
    ASSERT_TRUE(load.OpenJob(true));
    EXPECT_EQ(state.photoList.GetSize(), 1);
    EXPECT_FALSE(load.Finish(false));
    EXPECT_TRUE(fs.FileExists("/backup/2026-12-7/261207009/x.jpg"));
    EXPECT_EQ(state.orderInfo.storeDDH, "261207009");
}

// Regression: a folder with no photo but one over-long path of another
// file took a new order number and emptied the open job.
TEST_F(FolderLoadSteps, PhotosAreCountedBeforeAnyPathIsTooLong) {
    testing::Put(fs, "/other/" + std::string(kMaxLoadPathBytes, 'n') + ".txt");
    EXPECT_STREQ(load.Check("/other", {}), kNoPhotosMessage);
    EXPECT_EQ(state.orderInfo.storeDDH, "261207009");
    EXPECT_EQ(state.photoList.GetSize(), 1);
    EXPECT_EQ(fs.files.count("/backup/2026-12-7/order.ini"), 0u);
    // Photos after the long path are counted too.
    testing::Put(fs, "/other/z.jpg");
    ASSERT_EQ(load.Check("/other", {}), nullptr);
    EXPECT_EQ(load.PhotoCount(), 1u);
    const char* first = nullptr;
    EXPECT_TRUE(load.TreeFails(&first));
    EXPECT_STREQ(first, kTreeTooLongMessage);
}

}  // namespace
}  // namespace orelle
