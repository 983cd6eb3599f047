#include "orderdata/PhotoTree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "platform/files/FileSystem.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::MemoryFileSystem;
using testing::TempFolder;
using testing::WriteBytes;

PhotoTree OnDisk(const std::string& folder, const std::vector<std::string>& selected = {}) {
    LocalFileSystem disk;
    return FindTreePhotos(disk, folder, selected);
}

std::vector<std::string> Sources(const PhotoTree& tree, const std::string& base) {
    std::vector<std::string> out;
    for (const TreePhoto& p : tree.photos) out.push_back(p.source.substr(base.size() + 1));
    return out;
}

TEST(PhotoTreeTest, PhotoFilesOutsideMarkedFoldersSubfoldersFirstAndNoneOfAMissingFolder) {
    TempFolder dir;
    // LUMORA is the program's own folder, pack an upload package.
    for (const char* f : {"B.JPG", "a.jpeg", "c.HEIC", "d.png", "e.heif", "notes.txt", "clip.mov",
                          "sub/A.JPG", "LUMORA/own.jpg", "pack/lumora.ini", "pack/p.jpg",
                          "pack/deeper/q.jpg"})
        WriteBytes(dir / ("card/" + std::string(f)), f);
    const PhotoTree tree = OnDisk(dir / "card/");
    EXPECT_EQ(Sources(tree, dir / "card"),
              (std::vector<std::string>{"sub/A.JPG", "B.JPG", "a.jpeg", "c.HEIC", "d.png", "e.heif"}));
    EXPECT_EQ(std::tie(tree.photos[0].relative, tree.photos[0].copyName, tree.photos[1].relative),
              std::make_tuple("sub", "a.jpg", ""));
    EXPECT_EQ(std::tie(tree.tooLong, tree.unreadable), std::make_tuple("", false));
    // A package folder has nothing; a missing folder is unreadable.
    EXPECT_TRUE(OnDisk(dir / "card/pack").photos.empty());
    EXPECT_TRUE(OnDisk(dir / "gone").unreadable);
}

TEST(PhotoTreeTest, SelectedFilesAreComparedWithoutCase) {
    TempFolder dir;
    WriteBytes(dir / "c/One.JPG", "1");
    WriteBytes(dir / "c/Two.JPG", "2");
    const PhotoTree tree = OnDisk(dir / "c", {dir / "c/two.jpg"});
    ASSERT_EQ(tree.photos.size(), 1u);
    EXPECT_EQ(tree.photos[0].source, dir / "c/Two.JPG");
}

TEST(PhotoTreeTest, PathsOfTwoHundredBytesLoadOneMoreFails) {
    TempFolder dir;
    const std::string folder = dir / "long";
    // folder + '/' + name + ".jpg" of exactly 200 bytes, then 201.
    const std::size_t name = 200 - folder.size() - 1 - 4;
    WriteBytes(folder + "/" + std::string(name, 'n') + ".jpg", "x");
    PhotoTree tree = OnDisk(folder);
    EXPECT_EQ(std::make_tuple(tree.tooLong, tree.photos.size()), std::make_tuple("", 1u));
    WriteBytes(folder + "/" + std::string(name + 1, 'm') + ".jpg", "x");
    tree = OnDisk(folder);
    EXPECT_EQ(tree.tooLong, folder + "/" + std::string(name + 1, 'm') + ".jpg");
    // Chinese names count two bytes a character, as in GBK.
    TempFolder other;
    const std::string wide = other / "w";
    const std::size_t room = 200 - wide.size() - 1 - 4;
    WriteBytes(wide + "/" + std::string(room - 1, 'n') + "\xE7\x85\xA7.jpg", "x");  // 照
    EXPECT_FALSE(OnDisk(wide).tooLong.empty());
}

TEST(PhotoTreeTest, LinksOutOfTheTreeAndLoopsAreNotFollowed) {
    TempFolder dir;
    WriteBytes(dir / "outside/secret.jpg", "s");
    WriteBytes(dir / "card/in.jpg", "i");
    std::filesystem::create_symlink(dir / "outside", dir / "card/away");
    std::filesystem::create_symlink(dir / "outside/secret.jpg", dir / "card/s.jpg");
    std::filesystem::create_symlink(dir / "card", dir / "card/loop");
    std::filesystem::create_symlink(dir / "card/in.jpg", dir / "card/same.jpg");
    std::filesystem::create_symlink(dir / "nowhere", dir / "card/dangling.jpg");
    const PhotoTree tree = OnDisk(dir / "card");
    // The loop back to the tree's own top is read once; the link to a
    // photo inside the tree is that photo again.
    EXPECT_EQ(Sources(tree, dir / "card"), (std::vector<std::string>{"in.jpg", "same.jpg"}));
}

// A card in memory whose deep folder refuses listing.
struct PulledOut : MemoryFileSystem {
    bool ListFolder(const std::string& path, std::vector<FolderEntry>* entries) override {
        return path != "/card/sub/deep" && MemoryFileSystem::ListFolder(path, entries);
    }
};

TEST(PhotoTreeTest, AFolderDeepInTheTreeThatCannotBeReadFailsTheWholeLoad) {
    PulledOut card;
    card.CreateDirectories("/card/sub/deep");
    card.files["/card/B.JPG"] = "x";
    EXPECT_TRUE(FindTreePhotos(card, "/card", {}).unreadable);
}

}  // namespace
}  // namespace orelle
