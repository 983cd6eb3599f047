#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/files/FileSystem.h"
#include "support/FullDisk.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

namespace fs = std::filesystem;

std::ptrdiff_t EntriesIn(const std::string& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

struct LocalDisk : ::testing::Test {
    TempFolder tmp;
    LocalFileSystem disk;
};

TEST_F(LocalDisk, ReplaceWritesTheWholeFileOrLeavesThePreviousOne) {
    std::string path = tmp / "photo.ini";
    ASSERT_TRUE(disk.ReplaceFile(path, "first"));
    ASSERT_TRUE(disk.ReplaceFile(path, "second, longer"));
    std::string back;
    ASSERT_TRUE(disk.ReadFile(path, &back));
    EXPECT_EQ(back, "second, longer");
    EXPECT_EQ(EntriesIn(tmp.path()), 1);  // no temporary file left
    // A failed write leaves the previous file and no temporary.
    LocalFileSystem failing(testing::FullDiskAfter<16>);
    EXPECT_FALSE(failing.ReplaceFile(path, std::string(1000, 'n')));
    EXPECT_EQ(ReadBytes(path), "second, longer");
    EXPECT_EQ(EntriesIn(tmp.path()), 1);
}

TEST_F(LocalDisk, AReplacedFileKeepsItsModeAndGroup) {
    const std::string path = tmp / "param.ini";
    WriteBytes(path, "old");
    WriteBytes(tmp / "copy.ini", "copied");
    // Another group than the process's own, where it may give one (root).
    const gid_t group = ::getegid() + (::geteuid() == 0 ? 1 : 0);
    ASSERT_EQ(::chown(path.c_str(), static_cast<uid_t>(-1), group), 0);
    for (mode_t mode : {0640, 0600}) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(mode == 0640 ? disk.ReplaceFile(path, "new")
                                 : disk.CopyFile(tmp / "copy.ini", path));
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, mode);
        EXPECT_EQ(st.st_gid, group);
    }
    EXPECT_EQ(ReadBytes(path), "copied");
}

TEST_F(LocalDisk, MissingFolderAndFilesAreReportedNotCreated) {
    EXPECT_FALSE(disk.ReplaceFile(tmp / "no/such/photo.ini", "x"));
    EXPECT_FALSE(disk.DirectoryExists(tmp / "no"));
    std::string s;
    EXPECT_FALSE(disk.ReadFile(tmp / "none", &s));
    EXPECT_TRUE(disk.CreateDirectories(tmp / "a/b"));
    EXPECT_TRUE(disk.DirectoryExists(tmp / "a/b"));
    EXPECT_FALSE(disk.FileExists(tmp / "a/b"));
    EXPECT_FALSE(disk.RemoveFile(tmp / "a/none"));
}

using Listed = std::tuple<std::string, bool, bool>;  // name, folder, link

std::vector<Listed> Listing(LocalFileSystem& disk, const std::string& folder) {
    std::vector<FolderEntry> entries;
    EXPECT_TRUE(disk.ListFolder(folder, &entries)) << folder;
    std::vector<Listed> out;
    for (const FolderEntry& e : entries) out.emplace_back(e.name, e.folder, e.link);
    std::sort(out.begin(), out.end());
    return out;
}

TEST_F(LocalDisk, ListsFoldersAndFilesWithLinksAsWhatTheyPointTo) {
    WriteBytes(tmp / "outside/photo.jpg", "o");
    WriteBytes(tmp / "card/a.jpg", "a");
    WriteBytes(tmp / "card/sub/b.jpg", "b");
    fs::create_symlink(tmp / "card/sub", tmp / "card/inside");
    fs::create_symlink(tmp / "card/a.jpg", tmp / "card/same.jpg");
    fs::create_symlink(tmp / "outside", tmp / "card/away");
    fs::create_symlink(tmp / "outside/photo.jpg", tmp / "card/far.jpg");
    fs::create_symlink(tmp / "nowhere", tmp / "card/dangling");
    EXPECT_EQ(Listing(disk, tmp / "card"), (std::vector<Listed>{
                                               {"a.jpg", false, false},
                                               {"away", true, true},
                                               {"far.jpg", false, true},
                                               {"inside", true, true},
                                               {"same.jpg", false, true},
                                               {"sub", true, false},
                                           }));
    EXPECT_EQ(Listing(disk, tmp / "card/sub/").size(), 1u);
    std::vector<FolderEntry> entries{{"kept", false, false}};
    EXPECT_FALSE(disk.ListFolder(tmp / "missing", &entries));
    EXPECT_FALSE(disk.ListFolder(tmp / "card/a.jpg", &entries));
    EXPECT_EQ(entries.size(), 1u) << "left alone on failure";
}

TEST_F(LocalDisk, ResolvedPathFollowsLinksAndDots) {
    WriteBytes(tmp / "real/dir/p.jpg", "p");
    fs::create_symlink(tmp / "real", tmp / "link");
    fs::create_symlink(tmp / "gone", tmp / "dangling");
    // The temporary folder itself may lie behind a link.
    const std::string real = fs::canonical(tmp / "real/dir").string();
    EXPECT_EQ(disk.ResolvedPath(tmp / "link/dir"), real);
    EXPECT_EQ(disk.ResolvedPath(tmp / "link/./dir/../dir/"), real);
    EXPECT_EQ(disk.ResolvedPath(tmp / "link/dir/p.jpg"), real + "/p.jpg");
    EXPECT_EQ(disk.ResolvedPath(tmp / "dangling"), "");
    EXPECT_EQ(disk.ResolvedPath(tmp / "real/none"), "");
    EXPECT_EQ(disk.ResolvedPath(""), "");
}

TEST_F(LocalDisk, RemoveTreeTakesReadOnlyFoldersAndOnlyTheLinks) {
    WriteBytes(tmp / "outside/keep.jpg", "k");
    WriteBytes(tmp / "tree/a.jpg", "a");
    WriteBytes(tmp / "tree/locked/b.jpg", "b");
    WriteBytes(tmp / "tree/locked/deeper/c.jpg", "c");
    fs::create_symlink(tmp / "outside", tmp / "tree/locked/away");
    fs::create_symlink(tmp / "outside/keep.jpg", tmp / "tree/keep.jpg");
    fs::permissions(tmp / "tree/locked/deeper", fs::perms::none);
    fs::permissions(tmp / "tree/locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(disk.RemoveTree(tmp / "tree"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "tree")));
    EXPECT_EQ(ReadBytes(tmp / "outside/keep.jpg"), "k");
    EXPECT_TRUE(disk.RemoveTree(tmp / "tree")) << "nothing there is nothing left";

    // A link named as the tree, even with a separator after it, goes alone.
    fs::create_symlink(tmp / "outside", tmp / "linked");
    EXPECT_TRUE(disk.RemoveTree(tmp / "linked/"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tmp / "linked")));
    EXPECT_EQ(ReadBytes(tmp / "outside/keep.jpg"), "k");
}

TEST_F(LocalDisk, ReadFilePartStopsAtTheEnd) {
    WriteBytes(tmp / "ten", "0123456789");
    const std::tuple<std::uint64_t, std::size_t, const char*> cases[] = {
        {0, 4, "0123"}, {8, 4, "89"}, {10, 4, ""},
        {11, 4, ""},    {3, 0, ""},   {~std::uint64_t{0}, ~std::size_t{0}, ""}};
    for (const auto& [offset, size, expected] : cases) {
        std::string bytes = "stale";
        EXPECT_TRUE(disk.ReadFilePart(tmp / "ten", offset, size, &bytes)) << offset;
        EXPECT_EQ(bytes, expected) << offset << " " << size;
    }
    std::string bytes;
    EXPECT_FALSE(disk.ReadFilePart(tmp / "none", 0, 4, &bytes));
    EXPECT_FALSE(disk.ReadFilePart(tmp.path(), 0, 4, &bytes));
}

}  // namespace
}  // namespace orelle
