#include "platform/paths/CardFolders.h"

#include <gtest/gtest.h>

#include <QStorageInfo>

#include "orderdata/PickerRows.h"
#include "platform/paths/Paths.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

TEST(CardFolders, TheFirstExistingCandidateIsWhereThePickerStarts) {
    testing::TempFolder dir;
    testing::WriteBytes(dir / "run/ann/x", "");
    testing::WriteBytes(dir / "mnt/x", "");
    FileSystem& fs = FileSystem::Default();
    EXPECT_EQ(CardStartFolder(fs, {dir / "media/ann", dir / "run/ann", dir / "mnt"}),
              dir / "run/ann/");
    EXPECT_EQ(CardStartFolder(fs, {dir / "media/ann"}), "");
    EXPECT_FALSE(IsMountPoint(dir / "mnt"));
    // Where the temporary folder's file system is mounted: "/" is not one
    // in every container or chroot.
    const QStorageInfo disk(QString::fromStdString(dir.path()));
    if (!disk.isValid()) GTEST_SKIP() << "no mount table";
    EXPECT_TRUE(IsMountPoint(paths::WithTrailingSeparator(disk.rootPath().toStdString())));
}

TEST(CardFolders, CardsComeFirstThenFoldersThenPhotos) {
    const std::vector<FolderEntry> entries = {
        {"notes.txt", false}, {"b.JPG", false}, {"zeta", true}, {"SD_CARD", true},
        {"Alpha", true},      {"a.jpeg", false}, {"EOS_DIGITAL", true}, {"c.png", false},
    };
    const auto rows =
        PickerRows(entries, [](const std::string& name) { return name.find('_') != std::string::npos; });
    std::vector<std::string> names;
    for (const PickerRow& row : rows) names.push_back(row.name + (row.card ? "*" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{"EOS_DIGITAL*", "SD_CARD*", "Alpha", "zeta",
                                               "a.jpeg", "b.JPG", "c.png"}));
}

}  // namespace
}  // namespace orelle
