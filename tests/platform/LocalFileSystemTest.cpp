#include <cerrno>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/files/FileSystem.h"
#include "support/FullDisk.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::size_t EntriesIn(const std::string& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}

TEST(LocalFileSystem, ReplaceWritesTheWholeFile) {
    TempFolder tmp;
    LocalFileSystem fs;
    std::string path = tmp / "photo.ini";
    ASSERT_TRUE(fs.ReplaceFile(path, "first"));
    ASSERT_TRUE(fs.ReplaceFile(path, "second, longer"));
    EXPECT_EQ(ReadBytes(path), "second, longer");
    std::string back;
    ASSERT_TRUE(fs.ReadFile(path, &back));
    EXPECT_EQ(back, "second, longer");
    EXPECT_EQ(EntriesIn(tmp.path()), 1u);  // no temporary file left
}

TEST(LocalFileSystem, FailedWriteLeavesThePreviousFileAndNoTemporary) {
    TempFolder tmp;
    std::string path = tmp / "photo.ini";
    WriteBytes(path, "previous contents");
    LocalFileSystem failing(testing::FullDiskAfter<16>);
    EXPECT_FALSE(failing.ReplaceFile(path, std::string(1000, 'n')));
    EXPECT_EQ(ReadBytes(path), "previous contents");
    EXPECT_EQ(EntriesIn(tmp.path()), 1u);
}

TEST(LocalFileSystem, MissingFolderAndFilesAreReportedNotCreated) {
    TempFolder tmp;
    LocalFileSystem fs;
    EXPECT_FALSE(fs.ReplaceFile(tmp / "no/such/photo.ini", "x"));
    EXPECT_FALSE(fs.DirectoryExists(tmp / "no"));
    std::string s;
    EXPECT_FALSE(fs.ReadFile(tmp / "none", &s));
    EXPECT_TRUE(fs.CreateDirectories(tmp / "a/b"));
    EXPECT_TRUE(fs.DirectoryExists(tmp / "a/b"));
    EXPECT_FALSE(fs.FileExists(tmp / "a/b"));
    EXPECT_FALSE(fs.RemoveFile(tmp / "a/none"));
}

}  // namespace
}  // namespace orelle
