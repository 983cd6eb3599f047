#include "orderdata/BackupJob.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "orderdata/FeatureFlags.h"
#include "orderdata/PhotoTree.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/imaging/StationCopy.h"
#include "support/FakeDisks.h"
#include "support/FullDisk.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::FailingCopies;
using testing::FakeDisks;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

struct Job {
    explicit Job(FileSystem& fs, std::int32_t edition = kEditionDatabase)
        : job(fs, disks, catalogue, edition) {}
    FakeDisks disks;
    PrintCatalogue catalogue;
    BackupJob job;
};

// A card of photos whose contents are their names.
void Card(const TempFolder& dir, std::initializer_list<const char*> names) {
    for (const char* n : names) WriteBytes(dir / ("card/" + std::string(n)), n);
}

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        if (e.is_regular_file()) out.push_back(e.path().string().substr(folder.size() + 1));
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(BackupJobTest, TheTreeIsMirroredWithUniqueNames) {
    TempFolder dir;
    WriteBytes(dir / "card/x/A.JPG", "first");
    WriteBytes(dir / "card/y/A.JPG", "second");
    LocalFileSystem fs;
    Job j(fs);
    int steps = 0;
    j.job.step = [&] { ++steps; };
    ASSERT_TRUE(j.job.CopyTree(FindTreePhotos(fs, dir / "card", {}), dir / "work"));
    EXPECT_EQ(FilesBelow(dir / "work"), (std::vector<std::string>{"x/a.jpg", "y/a.jpg"}));
    EXPECT_EQ(ReadBytes(dir / "work/y/a.jpg"), "second");
    ASSERT_EQ(j.job.records.GetSize(), 2);
    const PhotoRecord& second = j.job.records.At(1);
    EXPECT_EQ(j.job.records.At(0).dstName, "a.jpg");
    EXPECT_EQ(std::tie(second.dstName, second.srcName, second.origPath),
              std::make_tuple("a#1.jpg", dir / "work/y/a.jpg", dir / "card/y/A.JPG"));
    EXPECT_EQ(j.job.dirs.GetSize(), 2);
    EXPECT_EQ(steps, 2);
}

TEST(BackupJobTest, AFullDiskLeavesNoPartialCopyAndTheCustomersFilesAlone) {
    TempFolder dir;
    const std::string photo(300000, 'p');
    WriteBytes(dir / "card/a.jpg", photo);
    WriteBytes(dir / "card/b.jpg", photo);
    struct stat before {};
    ASSERT_EQ(::stat((dir / "card/a.jpg").c_str(), &before), 0);
    LocalFileSystem full(testing::FullDiskAfter<100000>);
    Job j(full);
    EXPECT_FALSE(j.job.CopyTree(FindTreePhotos(full, dir / "card", {}), dir / "work"));
    EXPECT_EQ(j.job.records.GetSize(), 0);
    EXPECT_TRUE(FilesBelow(dir / "work").empty());  // no temporary left either
    EXPECT_EQ(ReadBytes(dir / "card/a.jpg"), photo);
    struct stat after {};
    ASSERT_EQ(::stat((dir / "card/a.jpg").c_str(), &after), 0);
    EXPECT_EQ(std::tie(after.st_mtim.tv_sec, after.st_mtim.tv_nsec),
              std::tie(before.st_mtim.tv_sec, before.st_mtim.tv_nsec));
}

TEST(BackupJobTest, ACardPulledOutHalfWayStopsWithTheWholeCopiesOnly) {
    TempFolder dir;
    Card(dir, {"a.jpg", "b.jpg", "c.jpg"});
    FailingCopies fs;
    const PhotoTree tree = FindTreePhotos(fs, dir / "card", {});
    fs.beforeCopy = [&](const std::string& from) {
        if (from == dir / "card/b.jpg") std::filesystem::remove_all(dir / "card");
    };
    Job j(fs);
    EXPECT_FALSE(j.job.CopyTree(tree, dir / "work"));
    ASSERT_EQ(j.job.records.GetSize(), 1);
    EXPECT_EQ(j.job.records.At(0).dstName, "a.jpg");
    EXPECT_EQ(FilesBelow(dir / "work"), (std::vector<std::string>{"a.jpg"}));
}

class AppendTest : public ::testing::Test {
  protected:
    AppendTest() {
        for (const char* n : {"one.JPG", "two.jpeg", "three.jpg"}) {
            files.push_back(dir / ("pick/" + std::string(n)));
            WriteBytes(files.back(), n);
        }
        std::filesystem::create_directories(dir / "work");
    }
    // Copies from the open number; each question asked is answered with goOn.
    AppendOutcome Copy(Job& j, std::int32_t open, bool goOn) {
        return j.job.CopyList(files, dir / "work", open, defaults, [this, goOn](const char* q) {
            asked.push_back(q);
            return goOn;
        });
    }
    TempFolder dir;
    std::vector<std::string> files;
    std::vector<std::string> asked;
    RecordDefaults defaults{5, 2, 0};
    LocalFileSystem local;
    Job j{local};
};

TEST_F(AppendTest, CopiesAreNumberedFromTheOpenNumber) {
    const AppendOutcome out = Copy(j, 40, false);
    EXPECT_TRUE(out.completed);
    EXPECT_EQ(out.positions, 3);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(FilesBelow(dir / "work"), (std::vector<std::string>{"40.jpg", "41.jpg", "42.jpg"}));
    ASSERT_EQ(j.job.records.GetSize(), 3);
    const PhotoRecord& r = j.job.records.At(1);
    EXPECT_EQ(std::tie(r.dstName, r.srcName, r.origName),
              std::make_tuple("41.jpg", dir / "work/41.jpg", "two.jpeg"));
    EXPECT_EQ(std::tie(r.specIndex, r.number), std::make_tuple(5, 2));
    // Chosen photos are ordered before any page shows them.
    EXPECT_EQ(j.job.records.GetPCount(), 3);
}

TEST_F(AppendTest, StoppingAtTheQuestionKeepsWhatWasCopied) {
    FailingCopies fs;
    fs.failFrom = 2;
    Job failing(fs);
    const AppendOutcome out = Copy(failing, 40, false);
    EXPECT_FALSE(out.completed);
    EXPECT_EQ(out.positions, 2);  // the open number goes on at 42
    EXPECT_EQ(asked, (std::vector<std::string>{kAppendCopyFailedQuestion}));
    EXPECT_EQ(failing.job.records.GetSize(), 1);
}

TEST_F(AppendTest, GoingOnSkipsTheFileAndLongPathsAreAsked) {
    const std::string deep = dir / (std::string(230, 'd') + "/x.jpg");
    WriteBytes(deep, "x");
    files.insert(files.begin(), deep);
    const AppendOutcome out = Copy(j, 7, true);
    EXPECT_TRUE(out.completed);
    EXPECT_EQ(out.positions, 4);
    EXPECT_EQ(asked, (std::vector<std::string>{kAppendTooLongQuestion}));
    EXPECT_EQ(FilesBelow(dir / "work"), (std::vector<std::string>{"10.jpg", "8.jpg", "9.jpg"}));
}

// A photo picked again is a second print; a copy landing after a give-up goes.
TEST_F(AppendTest, APhotoPickedAgainIsAddedAndNoCopyStaysUnnamed) {
    files = {files[0], files[0]};
    Copy(j, 0, true);
    ASSERT_EQ(j.job.records.GetSize(), 2);
    EXPECT_EQ(j.job.records.At(1).origPath, files[0]);
    FailingCopies fs;
    Job given(fs);
    PhotoList made;
    DirList dirs;
    fs.beforeCopy = [&](const std::string&) {
        if (fs.copies == 2) given.job.TakeMade(made, dirs);
    };
    Copy(given, 5, true);
    EXPECT_EQ(made.GetSize(), 1);
    EXPECT_EQ(FilesBelow(dir / "work"), (std::vector<std::string>{"0.jpg", "1.jpg", "5.jpg"}));
}

TEST_F(AppendTest, AnAppendedCopyNeverReplacesAFileOfTheWorkFolder) {
    WriteBytes(dir / "work/1.jpg", "the card's 1.jpg");
    EXPECT_TRUE(Copy(j, 0, false).completed);
    EXPECT_EQ(ReadBytes(dir / "work/1.jpg"), "the card's 1.jpg");
    EXPECT_EQ(FilesBelow(dir / "work"),
              (std::vector<std::string>{"0.jpg", "1.jpg", "2.jpg", "3.jpg"}));
}

// A phone's photo converted during its visit is appended as it was made.
TEST_F(AppendTest, ACopyMadeAlreadyIsWrittenInsteadOfMadeAgain) {
    j.job.madeCopies = [this](const std::string& source) -> std::optional<StationCopy> {
        if (source != files[1]) return std::nullopt;
        StationCopy made;
        made.asIs = false;
        made.made = "made before";
        return made;
    };
    EXPECT_TRUE(Copy(j, 0, false).completed);
    EXPECT_EQ(ReadBytes(dir / "work/1.jpg"), "made before");
    EXPECT_EQ(ReadBytes(dir / "work/2.jpg"), "three.jpg");
}

TEST_F(AppendTest, AThirdEditionUsesPhotosOnAFixedDiskInPlace) {
    Job third(local, 3000);
    EXPECT_TRUE(Copy(third, 1, false).completed);
    EXPECT_TRUE(FilesBelow(dir / "work").empty());
    ASSERT_EQ(third.job.records.GetSize(), 3);
    // The record shows the photo where it is, never a copy that was not made.
    const PhotoRecord& r = third.job.records.At(0);
    EXPECT_EQ(std::tie(r.srcName, r.dstName), std::make_tuple(files[0], "1.jpg"));
}

// The machine's files, logging copies and syncs in their order.
struct LoggedFiles : LocalFileSystem {
    bool CopyFile(const std::string& from, const std::string& to) override {
        log.push_back("copy");
        return LocalFileSystem::CopyFile(from, to);
    }
    bool SyncFileSystem(const std::string& path) override {
        log.push_back("sync");
        return LocalFileSystem::SyncFileSystem(path);
    }
    std::vector<std::string> log;
};

TEST(BackupJobTest, CopiesAreOnTheDiskBeforeAnyoneNamesThem) {
    TempFolder dir;
    Card(dir, {"a.jpg", "b.jpg"});
    LoggedFiles fs;
    Job load(fs);
    ASSERT_TRUE(load.job.CopyTree(FindTreePhotos(fs, dir / "card", {}), dir / "work"));
    EXPECT_EQ(fs.log, (std::vector<std::string>{"copy", "copy", "sync"}));

    // A stop ends a load before the next file.
    Job stopped(fs);
    stopped.job.step = [&] { stopped.job.stop = true; };
    EXPECT_FALSE(stopped.job.CopyTree(FindTreePhotos(fs, dir / "card", {}), dir / "work2"));
    EXPECT_EQ(stopped.job.records.GetSize(), 1);
    EXPECT_EQ(FilesBelow(dir / "work2").size(), 1u);

    // An append stopped after its first photo syncs what it copied.
    fs.log.clear();
    Job append(fs);
    append.job.step = [&] { append.job.stop = true; };
    std::filesystem::create_directories(dir / "work3");
    append.job.CopyList({dir / "card/a.jpg", dir / "card/b.jpg"}, dir / "work3", 1, {},
                        [](const char*) { return true; });
    EXPECT_EQ(fs.log, (std::vector<std::string>{"copy", "sync"}));
}

}  // namespace
}  // namespace orelle
