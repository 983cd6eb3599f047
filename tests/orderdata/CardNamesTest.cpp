// Names from customers' cards: every copy gets a name the lab can find
// through GBK and the INI files, and no photo is lost on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "orderdata/BackupJob.h"
#include "orderdata/CopyNames.h"
#include "orderdata/FeatureFlags.h"
#include "orderdata/PhotoTree.h"
#include "orderdata/PrintCatalogue.h"
#include "platform/files/FileSystem.h"
#include "platform/gbk/Gbk.h"
#include "platform/paths/Paths.h"
#include "support/FakeDisks.h"
#include "support/TempFolder.h"

namespace orelle {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

struct NameCase {
    const char* what;
    std::string bytes;     // the name on the card
    std::string readable;  // what the texts show
    std::string safe;      // the copy's name
};

TEST(CardNamesTest, ReadableAndSafeForms) {
    const NameCase cases[] = {
        {"plain", "IMG_0001.JPG", "IMG_0001.JPG", "IMG_0001.JPG"},
        {"Chinese", "照片.jpg", "照片.jpg", "照片.jpg"},
        {"German", "straße.jpg", "straße.jpg", "stra_e.jpg"},
        {"emoji", "\xF0\x9F\x98\x80.jpg", "\xF0\x9F\x98\x80.jpg", "_.jpg"},
        {"Latin-1 bytes", "caf\xE9.jpg", "café.jpg", "café.jpg"},
        {"GBK bytes", "\xD5\xD5\xC6\xAC.jpg", "照片.jpg", "照片.jpg"},
        {"CR LF", "a\r\nb.jpg", "a  b.jpg", "a  b.jpg"},
        {"Windows refuses", "a:b?c*.jpg", "a:b?c*.jpg", "a_b_c_.jpg"},
        {"blanks at the ends", " a.jpg ", " a.jpg ", "_a.jpg_"},
        {"reserved", "CON.jpg", "CON.jpg", "_CON.jpg"},
        {"dots at the end", "folder..", "folder..", "folder__"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(ReadableName(c.bytes), c.readable) << c.what;
        const std::string safe = LabSafeName(ReadableName(c.bytes));
        EXPECT_EQ(safe, c.safe) << c.what;
        EXPECT_EQ(gbk::ToUtf8(gbk::FromUtf8(safe)), safe) << c.what << ": not exact through GBK";
    }
}

TEST(CardNamesTest, EveryPhotoReachesTheJobUnderANameTheLabFinds) {
    TempFolder dir;
    const std::vector<std::string> names = {
        "Photo.JPG",           "photo.jpg",   "año.jpg",          "straße.jpg",
        "사진.jpg",            "\xF0\x9F\x98\x80.jpg", "\xF0\x9F\x98\x81.jpg", "caf\xE9.jpg",
        "\xD5\xD5\xC6\xAC.jpg", "line\nbreak.jpg"};
    for (const std::string& n : names) WriteBytes(dir / ("card/" + n), "photo " + n);
    WriteBytes(dir / "card/caf\xE9/x.jpg", "in a Latin-1 folder");
    // The folder load's copy of the card into its work folder.
    LocalFileSystem fs;
    testing::FakeDisks disks;
    PrintCatalogue catalogue;
    BackupJob job{fs, disks, catalogue, kEditionDatabase};
    ASSERT_TRUE(job.CopyTree(FindTreePhotos(fs, dir / "card", {}), dir / "work"));
    ASSERT_EQ(job.records.GetSize(), static_cast<int>(names.size()) + 1);
    std::set<std::string> dstNames, contents;
    for (int i = 0; i < job.records.GetSize(); ++i) {
        const PhotoRecord& r = job.records.At(i);
        std::string bytes;
        ASSERT_TRUE(fs.ReadFile(r.srcName, &bytes)) << r.srcName;
        contents.insert(bytes);
        EXPECT_EQ(gbk::ToUtf8(gbk::FromUtf8(r.srcName)), r.srcName);
        EXPECT_TRUE(std::none_of(r.srcName.begin(), r.srcName.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
        EXPECT_EQ(std::string(paths::FileNamePart(r.srcName)), r.dstName);
        EXPECT_TRUE(dstNames.insert(r.dstName).second) << r.dstName;
        EXPECT_EQ(ReadableName(r.origName), r.origName) << "valid UTF-8";
    }
    EXPECT_EQ(contents.size(), names.size() + 1) << "a photo was lost";
    EXPECT_TRUE(fs.FileExists(dir / "work/caf\xC3\xA9/x.jpg"));
}

}  // namespace
}  // namespace orelle
