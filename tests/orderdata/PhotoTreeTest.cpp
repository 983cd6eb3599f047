#include "orderdata/PhotoTree.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::string> Sources(const PhotoTree& tree, const std::string& base) {
    std::vector<std::string> out;
    for (const TreePhoto& p : tree.photos) out.push_back(p.source.substr(base.size() + 1));
    return out;
}

TEST(PhotoTreeTest, OnlyJpgFilesOutsideMarkedFoldersSubfoldersFirst) {
    TempFolder dir;
    WriteBytes(dir / "card/B.JPG", "b");
    WriteBytes(dir / "card/a.jpeg", "x");  // .jpeg is not loaded
    WriteBytes(dir / "card/notes.txt", "x");
    WriteBytes(dir / "card/sub/A.JPG", "a");
    WriteBytes(dir / "card/LUMORA/own.jpg", "x");   // the program's own folder
    WriteBytes(dir / "card/pack/lumora.ini", "x");  // an upload package
    WriteBytes(dir / "card/pack/p.jpg", "x");
    WriteBytes(dir / "card/pack/deeper/q.jpg", "x");
    const PhotoTree tree = FindTreePhotos(dir / "card/", {});
    EXPECT_EQ(Sources(tree, dir / "card"), (std::vector<std::string>{"sub/A.JPG", "B.JPG"}));
    EXPECT_EQ(tree.photos[0].relative, "sub");
    EXPECT_EQ(tree.photos[0].lowerName, "a.jpg");
    EXPECT_EQ(tree.photos[1].relative, "");
    EXPECT_TRUE(tree.tooLong.empty());
    EXPECT_FALSE(tree.unreadable);

    // A folder of .jpeg files alone, or a package folder, has nothing.
    EXPECT_TRUE(FindTreePhotos(dir / "card/pack", {}).photos.empty());
    WriteBytes(dir / "jpegs/one.jpeg", "x");
    EXPECT_TRUE(FindTreePhotos(dir / "jpegs", {}).photos.empty());
}

TEST(PhotoTreeTest, SelectedFilesAreComparedWithoutCase) {
    TempFolder dir;
    WriteBytes(dir / "c/One.JPG", "1");
    WriteBytes(dir / "c/Two.JPG", "2");
    const PhotoTree tree = FindTreePhotos(dir / "c", {dir / "c/two.jpg"});
    ASSERT_EQ(tree.photos.size(), 1u);
    EXPECT_EQ(tree.photos[0].source, dir / "c/Two.JPG");
}

TEST(PhotoTreeTest, PathsOfTwoHundredBytesLoadOneMoreFails) {
    TempFolder dir;
    const std::string folder = dir / "long";
    // folder + '/' + name + ".jpg" of exactly 200 bytes, then 201.
    const std::size_t name = 200 - folder.size() - 1 - 4;
    WriteBytes(folder + "/" + std::string(name, 'n') + ".jpg", "x");
    PhotoTree tree = FindTreePhotos(folder, {});
    EXPECT_TRUE(tree.tooLong.empty());
    EXPECT_EQ(tree.photos.size(), 1u);
    WriteBytes(folder + "/" + std::string(name + 1, 'm') + ".jpg", "x");
    tree = FindTreePhotos(folder, {});
    EXPECT_EQ(tree.tooLong, folder + "/" + std::string(name + 1, 'm') + ".jpg");
    // Chinese names count two bytes a character, as in GBK.
    TempFolder other;
    const std::string wide = other / "w";
    const std::size_t room = 200 - wide.size() - 1 - 4;
    WriteBytes(wide + "/" + std::string(room - 1, 'n') + "\xE7\x85\xA7.jpg", "x");  // 照
    EXPECT_FALSE(FindTreePhotos(wide, {}).tooLong.empty());
}

TEST(PhotoTreeTest, LinksOutOfTheTreeAndLoopsAreNotFollowed) {
    TempFolder dir;
    WriteBytes(dir / "outside/secret.jpg", "s");
    WriteBytes(dir / "card/in.jpg", "i");
    ASSERT_EQ(::symlink((dir / "outside").c_str(), (dir / "card/away").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "outside/secret.jpg").c_str(), (dir / "card/s.jpg").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "card").c_str(), (dir / "card/loop").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "card/in.jpg").c_str(), (dir / "card/same.jpg").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "nowhere").c_str(), (dir / "card/dangling.jpg").c_str()), 0);
    const PhotoTree tree = FindTreePhotos(dir / "card", {});
    // The loop back to the tree's own top is read once; the link to a
    // photo inside the tree is that photo again.
    EXPECT_EQ(Sources(tree, dir / "card"), (std::vector<std::string>{"in.jpg", "same.jpg"}));
}

TEST(PhotoTreeTest, AMissingFolderIsUnreadable) {
    TempFolder dir;
    EXPECT_TRUE(FindTreePhotos(dir / "gone", {}).unreadable);
}

}  // namespace
}  // namespace orelle
